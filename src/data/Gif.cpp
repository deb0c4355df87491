// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Gif.h"

#include "data/Errors.h"

#include <QFile>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace {

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

[[noreturn]] void Fail(const QString& fileName, const QString& reason) {
    throw EInOutError(
        QStringLiteral("Cannot decode the GIF picture \"%1\": %2").arg(fileName, reason),
        D_GIF_ERR_DATA_TOO_BIG);
}

[[noreturn]] void Fail(const QString& fileName, int error) {
    const char* reason = GifErrorString(error);
    throw EInOutError(QStringLiteral("Cannot decode the GIF picture \"%1\": %2")
                          .arg(fileName, QString::fromLatin1(reason ? reason : "unknown error")),
                      error);
}

// Reads extensions up to the first image descriptor, keeping the graphics
// control block that belongs to it. False when the file ends first.
bool ReadUpToFirstFrame(GifFileType* gif, GraphicsControlBlock& gcb, const QString& fileName) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    do {
        if (DGifGetRecordType(gif, &type) != GIF_OK)
            Fail(fileName, gif->Error);
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) != GIF_OK)
                Fail(fileName, gif->Error);
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
                DGifExtensionToGCB(block[0], block + 1, &gcb);
            while (block)
                if (DGifGetExtensionNext(gif, &block) != GIF_OK)
                    Fail(fileName, gif->Error);
        }
    } while (type != IMAGE_DESC_RECORD_TYPE && type != TERMINATE_RECORD_TYPE);
    return type == IMAGE_DESC_RECORD_TYPE;
}

} // namespace

QImage DecodeGif(const QString& fileName) {
    int error = 0;
    const QByteArray name = QFile::encodeName(fileName);
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(name.constData(), &error));
    if (!gif)
        Fail(fileName, error);

    GraphicsControlBlock gcb{};
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    if (!ReadUpToFirstFrame(gif.get(), gcb, fileName))
        Fail(fileName, D_GIF_ERR_NO_IMAG_DSCR);
    if (DGifGetImageDesc(gif.get()) != GIF_OK)
        Fail(fileName, gif->Error);

    const GifImageDesc desc = gif->Image;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map)
        Fail(fileName, D_GIF_ERR_NO_COLOR_MAP);
    const int transparent = gcb.TransparentColor;

    // The logical screen is only a claim of the file: a damaged one can ask
    // for gigabytes. When it is out of bounds the frame's own extent is used.
    const int frameRight = desc.Left + desc.Width;
    const int frameBottom = desc.Top + desc.Height;
    int width = gif->SWidth > 0 ? gif->SWidth : frameRight;
    int height = gif->SHeight > 0 ? gif->SHeight : frameBottom;
    if (width > kMaxGifSide || height > kMaxGifSide) {
        width = frameRight;
        height = frameBottom;
    }
    if (width > kMaxGifSide || height > kMaxGifSide || desc.Width > kMaxGifSide ||
        desc.Height > kMaxGifSide)
        Fail(fileName,
             QStringLiteral("the picture is larger than %1 x %1 pixels").arg(kMaxGifSide));
    if (width <= 0 || height <= 0 || desc.Width <= 0 || desc.Height <= 0)
        Fail(fileName, D_GIF_ERR_DATA_TOO_BIG);

    QImage image(width, height,
                 transparent != NO_TRANSPARENT_COLOR ? QImage::Format_ARGB32
                                                     : QImage::Format_RGB32);
    if (image.isNull())
        Fail(fileName, D_GIF_ERR_NOT_ENOUGH_MEM);
    if (transparent != NO_TRANSPARENT_COLOR) {
        image.fill(Qt::transparent);
    } else {
        const ColorMapObject* screenMap = gif->SColorMap ? gif->SColorMap : map;
        const int bg = gif->SBackGroundColor < screenMap->ColorCount ? gif->SBackGroundColor : 0;
        const GifColorType c = screenMap->Colors[bg];
        image.fill(qRgb(c.Red, c.Green, c.Blue));
    }

    // Rows come in file order; an interlaced frame stores every 8th row from
    // 0, every 8th from 4, every 4th from 2, then every 2nd from 1.
    std::vector<int> rows;
    rows.reserve(desc.Height);
    if (desc.Interlace) {
        const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = starts[pass]; y < desc.Height; y += steps[pass])
                rows.push_back(y);
    } else {
        for (int y = 0; y < desc.Height; ++y)
            rows.push_back(y);
    }

    std::vector<GifPixelType> line(desc.Width);
    for (const int y : rows) {
        if (DGifGetLine(gif.get(), line.data(), desc.Width) != GIF_OK)
            Fail(fileName, gif->Error);
        const int iy = desc.Top + y;
        if (iy < 0 || iy >= height)
            continue;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(iy));
        for (int x = 0; x < desc.Width; ++x) {
            const int ix = desc.Left + x;
            const int index = line[x];
            if (ix < 0 || ix >= width || index == transparent || index >= map->ColorCount)
                continue;
            const GifColorType c = map->Colors[index];
            out[ix] = qRgb(c.Red, c.Green, c.Blue);
        }
    }
    return image;
}
