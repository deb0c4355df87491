// The shipped pictures decode at the sizes their controls have, and the
// template bitmap is a white 24-bit bitmap.
#include "AssetPath.h"
#include "data/Gif.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// Decoded with the program's own GIF reader; the background is the
// transparent colour, so it shows the control's background through.
TEST(PictureAsset, GifsHaveTheSizesOfTheirControlsAndDrawOnATransparentBackground) {
    const std::tuple<const char*, int, int> pictures[] = {
        {"logo.gif", 120, 423},     {"MultiBlomma.gif", 37, 37}, {"MultiBar.gif", 37, 37},
        {"TioBand1.gif", 319, 37},  {"TioBand2.gif", 319, 37},   {"ListBlomma1.gif", 45, 35},
        {"ListBlomma2.gif", 37, 35}};
    for (const auto& [name, width, height] : pictures) {
        SCOPED_TRACE(name);
        QImage image;
        ASSERT_NO_THROW(image = DecodeGif(AssetPath(name)));
        ASSERT_EQ(image.size(), QSize(width, height));
        ASSERT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "top left corner";
        // Drawn on, not a plain fill.
        int drawn = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                drawn += qAlpha(image.pixel(x, y)) != 0;
        EXPECT_GT(drawn, width * height / 10);
    }
}

TEST(PictureAsset, TemplateBitmapIsWhite24Bit640By480) {
    QFile f(AssetPath("bmptest.bmp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray header = f.read(30);
    ASSERT_EQ(header.left(2), "BM");
    EXPECT_EQ(static_cast<uint8_t>(header[28]), 24) << "bits per pixel";
    QImage image(AssetPath("bmptest.bmp"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(640, 480));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
}

} // namespace
