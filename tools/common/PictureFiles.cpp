// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFiles.h"

#include <QFile>
#include <gif_lib.h>
#include <map>
#include <vector>

namespace PictureFiles {

namespace {

int AppendToArray(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

bool SaveBytes(const QByteArray& bytes, const QString& fileName, QString* error) {
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(fileName, f.errorString());
        return false;
    }
    return true;
}

QRgb Reduce(QRgb c, int bits) {
    if (bits >= 8)
        return c & 0xFFFFFF;
    const int shift = 8 - bits;
    const int top = (1 << bits) - 1;
    auto channel = [&](int v) {
        const int level = std::min(top, (v + (1 << (shift - 1))) >> shift);
        return level * 255 / top; // spread back over 0..255
    };
    return qRgb(channel(qRed(c)), channel(qGreen(c)), channel(qBlue(c))) & 0xFFFFFF;
}

} // namespace

bool WriteGif(const QImage& source, const QString& fileName, std::optional<QColor> transparent,
              QString* error) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const QRgb key = transparent ? (transparent->rgb() & 0xFFFFFF) : 0xFFFFFFFF;

    // Fewest channel bits lost that fit 256 entries; the transparent colour
    // is kept exact. Palette order is the order of first appearance.
    std::vector<QRgb> palette;
    std::vector<uint8_t> indices;
    for (int bits = 8; bits >= 3; --bits) {
        palette.clear();
        indices.assign(size_t(w) * h, 0);
        std::map<QRgb, int> index;
        bool fits = true;
        for (int y = 0; y < h && fits; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const QRgb exact = line[x] & 0xFFFFFF;
                const QRgb c = exact == key ? key : Reduce(exact, bits);
                auto it = index.find(c);
                if (it == index.end()) {
                    if (palette.size() == 256) {
                        fits = false;
                        break;
                    }
                    it = index.emplace(c, int(palette.size())).first;
                    palette.push_back(c);
                }
                indices[size_t(y) * w + x] = static_cast<uint8_t>(it->second);
            }
        }
        if (fits)
            break;
    }
    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (size_t i = 0; i < palette.size(); ++i)
        if (transparent && palette[i] == key)
            transparentIndex = int(i);

    int mapSize = 2;
    while (mapSize < int(palette.size()))
        mapSize *= 2;
    std::vector<GifColorType> colors(mapSize, GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.size(); ++i)
        colors[i] = GifColorType{uint8_t(qRed(palette[i])), uint8_t(qGreen(palette[i])),
                                 uint8_t(qBlue(palette[i]))};

    int err = 0;
    QByteArray bytes;
    GifFileType* gif = EGifOpen(&bytes, AppendToArray, &err);
    if (!gif) {
        *error = QStringLiteral("cannot encode %1: %2").arg(fileName, GifErrorString(err));
        return false;
    }
    ColorMapObject* map = GifMakeMapObject(mapSize, colors.data());
    bool ok = map != nullptr;
    EGifSetGifVersion(gif, true);
    ok = ok && EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
    if (ok && transparentIndex != NO_TRANSPARENT_COLOR) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = transparentIndex;
        GifByteType ext[4];
        const size_t length = EGifGCBToExtension(&gcb, ext);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), ext) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y)
        ok = EGifPutLine(gif, &indices[size_t(y) * w], w) == GIF_OK;
    if (!ok)
        *error = QStringLiteral("cannot encode %1: %2").arg(fileName, GifErrorString(gif->Error));
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &err) != GIF_OK && ok) {
        *error = QStringLiteral("cannot encode %1: %2").arg(fileName, GifErrorString(err));
        ok = false;
    }
    return ok && SaveBytes(bytes, fileName, error);
}

bool WriteBmp24(const QImage& source, const QString& fileName, QString* error) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const int stride = (w * 3 + 3) & ~3;
    const uint32_t pixelBytes = uint32_t(stride) * h;
    QByteArray b;
    auto put = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    b.append("BM");
    put(14 + 40 + pixelBytes, 4);
    put(0, 4);       // reserved
    put(14 + 40, 4); // offset of the pixels
    put(40, 4);      // BITMAPINFOHEADER
    put(w, 4);
    put(h, 4); // positive: rows bottom-up
    put(1, 2); // planes
    put(24, 2);
    put(0, 4); // no compression
    put(pixelBytes, 4);
    put(2835, 4); // 72 dots per inch
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            b.append(static_cast<char>(qBlue(line[x])));
            b.append(static_cast<char>(qGreen(line[x])));
            b.append(static_cast<char>(qRed(line[x])));
        }
        b.append(stride - w * 3, '\0');
    }
    return SaveBytes(b, fileName, error);
}

} // namespace PictureFiles
