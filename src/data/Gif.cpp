#include "data/Gif.h"

#include "data/Errors.h"

#include <QFile>
#include <gif_lib.h>
#include <memory>

namespace {

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

[[noreturn]] void Fail(const QString& fileName, int error) {
    const char* reason = GifErrorString(error);
    throw EInOutError(QStringLiteral("Cannot decode the GIF picture \"%1\": %2")
                          .arg(fileName, QString::fromLatin1(reason ? reason : "unknown error")),
                      error);
}

} // namespace

QImage DecodeGif(const QString& fileName) {
    int error = 0;
    const QByteArray name = QFile::encodeName(fileName);
    std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(name.constData(), &error));
    if (!gif)
        Fail(fileName, error);
    if (DGifSlurp(gif.get()) != GIF_OK)
        Fail(fileName, gif->Error);
    if (gif->ImageCount < 1)
        Fail(fileName, D_GIF_ERR_NO_IMAG_DSCR);

    const SavedImage& frame = gif->SavedImages[0];
    const GifImageDesc& desc = frame.ImageDesc;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map)
        Fail(fileName, D_GIF_ERR_NO_COLOR_MAP);

    GraphicsControlBlock gcb{};
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    for (int i = 0; i < frame.ExtensionBlockCount; ++i)
        if (frame.ExtensionBlocks[i].Function == GRAPHICS_EXT_FUNC_CODE)
            DGifExtensionToGCB(frame.ExtensionBlocks[i].ByteCount, frame.ExtensionBlocks[i].Bytes,
                               &gcb);
    const int transparent = gcb.TransparentColor;

    const int width = gif->SWidth > 0 ? gif->SWidth : desc.Width;
    const int height = gif->SHeight > 0 ? gif->SHeight : desc.Height;
    if (width <= 0 || height <= 0)
        Fail(fileName, D_GIF_ERR_DATA_TOO_BIG);
    QImage image(width, height,
                 transparent != NO_TRANSPARENT_COLOR ? QImage::Format_ARGB32
                                                     : QImage::Format_RGB32);
    if (transparent != NO_TRANSPARENT_COLOR) {
        image.fill(Qt::transparent);
    } else {
        const ColorMapObject* screenMap = gif->SColorMap ? gif->SColorMap : map;
        const int bg = gif->SBackGroundColor < screenMap->ColorCount ? gif->SBackGroundColor : 0;
        const GifColorType c = screenMap->Colors[bg];
        image.fill(qRgb(c.Red, c.Green, c.Blue));
    }

    for (int y = 0; y < desc.Height; ++y) {
        const int iy = desc.Top + y;
        if (iy < 0 || iy >= height)
            continue;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(iy));
        const GifByteType* src = frame.RasterBits + static_cast<size_t>(y) * desc.Width;
        for (int x = 0; x < desc.Width; ++x) {
            const int ix = desc.Left + x;
            const int index = src[x];
            if (ix < 0 || ix >= width || index == transparent || index >= map->ColorCount)
                continue;
            const GifColorType c = map->Colors[index];
            line[ix] = qRgb(c.Red, c.Green, c.Blue);
        }
    }
    return image;
}
