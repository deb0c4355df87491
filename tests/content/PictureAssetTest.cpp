// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped pictures decode at the sizes their controls have, each with a
// double-size picture drawn anew, and the template bitmap is a white 24-bit
// bitmap.
#include "AssetPath.h"
#include "data/Gif.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

const std::tuple<const char*, int, int> kPictures[] = {
    {"logo.gif", 120, 423},     {"MultiBlomma.gif", 37, 37}, {"MultiBar.gif", 37, 37},
    {"TioBand1.gif", 319, 37},  {"TioBand2.gif", 319, 37},   {"ListBlomma1.gif", 45, 35},
    {"ListBlomma2.gif", 37, 35}};

// Decoded with the program's own GIF reader; the background is the
// transparent colour, so it shows the control's background through.
TEST(PictureAsset, GifsHaveTheSizesOfTheirControlsAndDrawOnATransparentBackground) {
    for (const auto& [name, width, height] : kPictures) {
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

// Twice the size, the same transparent background, and drawn at that size
// rather than enlarged: an enlarged picture would repeat every pixel in a
// 2 x 2 block. Shrunk back, it is close to the small picture.
TEST(PictureAsset, DoubleSizeGifsAreDrawnAtTwiceTheSize) {
    for (const auto& [name, width, height] : kPictures) {
        SCOPED_TRACE(name);
        QImage small, large;
        ASSERT_NO_THROW(small = DecodeGif(AssetPath(name)));
        ASSERT_NO_THROW(large = DecodeGif(AssetPath(QStringLiteral("2x/") + name)));
        ASSERT_EQ(large.size(), QSize(width * 2, height * 2));
        EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0) << "top left corner";
        int mixedBlocks = 0, drawnBlocks = 0, near = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb block[] = {large.pixel(2 * x, 2 * y), large.pixel(2 * x + 1, 2 * y),
                                      large.pixel(2 * x, 2 * y + 1),
                                      large.pixel(2 * x + 1, 2 * y + 1)};
                const bool drawn = qAlpha(block[0]) != 0;
                drawnBlocks += drawn;
                mixedBlocks +=
                    drawn && (block[1] != block[0] || block[2] != block[0] || block[3] != block[0]);
                // Transparency agrees between the sizes nearly everywhere.
                near += (qAlpha(small.pixel(x, y)) != 0) == drawn;
            }
        EXPECT_GT(mixedBlocks, drawnBlocks / 4);
        EXPECT_GT(near, width * height * 9 / 10);
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
