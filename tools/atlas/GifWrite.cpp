#include "GifWrite.h"

#include "data/Errors.h"

#include <QFile>
#include <gif_lib.h>
#include <vector>

void WriteGif16(const QImage& source, const QString& file) {
    const QImage img = source.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> palette;
    std::vector<GifByteType> pixels(size_t(img.width()) * img.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y) | 0xFF000000;
            size_t i = 0;
            while (i < palette.size() && palette[i] != c)
                ++i;
            if (i == palette.size()) {
                if (palette.size() == 16)
                    throw EGlobina(QStringLiteral("%1 has more than 16 colours").arg(file));
                palette.push_back(c);
            }
            pixels[size_t(y) * img.width() + x] = static_cast<GifByteType>(i);
        }
    GifColorType colours[16] = {};
    for (size_t i = 0; i < palette.size(); ++i)
        colours[i] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                      GifByteType(qBlue(palette[i]))};
    ColorMapObject* map = GifMakeMapObject(16, colours);
    int error = 0;
    GifFileType* gif = EGifOpenFileName(file.toLocal8Bit().constData(), false, &error);
    if (!gif) {
        GifFreeMapObject(map);
        throw EGlobina(QStringLiteral("Cannot write %1: %2").arg(file, GifErrorString(error)));
    }
    bool ok = EGifPutScreenDesc(gif, img.width(), img.height(), 4, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, img.width(), img.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < img.height(); ++y)
        ok = EGifPutLine(gif, pixels.data() + size_t(y) * img.width(), img.width()) == GIF_OK;
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK || !ok)
        throw EGlobina(QStringLiteral("Cannot write %1").arg(file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
}
