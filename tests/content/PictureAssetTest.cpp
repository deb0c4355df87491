// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped pictures decode, each with a double-size picture drawn anew.
#include "AssetPath.h"
#include "data/Gif.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

const char* const kPictures[] = {"logo.gif",       "MultiBlomma.gif", "MultiBar.gif",
                                 "TioBand1.gif",   "TioBand2.gif",    "ListBlomma1.gif",
                                 "ListBlomma2.gif"};

// Decoded with the program's own GIF reader; the background is the
// transparent colour, so it shows the control's background through. The
// double-size picture has twice the size and is drawn at that size rather than
// enlarged: an enlarged picture would repeat every pixel in a 2 x 2 block.
// Shrunk back, it is close to the small picture.
TEST(PictureAsset, DoubleSizeGifsAreDrawnAnew) {
    for (const char* name : kPictures) {
        SCOPED_TRACE(name);
        QImage small, large;
        ASSERT_NO_THROW(small = DecodeGif(AssetPath(name)));
        ASSERT_NO_THROW(large = DecodeGif(AssetPath(QStringLiteral("2x/") + name)));
        const int width = small.width(), height = small.height();
        ASSERT_EQ(large.size(), small.size() * 2);
        // Transparent (so with an alpha channel) in the corner.
        EXPECT_EQ(std::pair(qAlpha(small.pixel(0, 0)), qAlpha(large.pixel(0, 0))), std::pair(0, 0));
        int drawn = 0, mixedBlocks = 0, drawnBlocks = 0, near = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                drawn += qAlpha(small.pixel(x, y)) != 0;
                // The 2 x 2 block of the large picture over this pixel.
                const QRgb c = large.pixel(2 * x, 2 * y);
                const bool big = qAlpha(c) != 0;
                drawnBlocks += big;
                mixedBlocks += big && (large.pixel(2 * x + 1, 2 * y) != c ||
                                       large.pixel(2 * x, 2 * y + 1) != c ||
                                       large.pixel(2 * x + 1, 2 * y + 1) != c);
                // Transparency agrees between the sizes nearly everywhere.
                near += (qAlpha(small.pixel(x, y)) != 0) == big;
            }
        EXPECT_GT(drawn, width * height / 10); // drawn on, not a plain fill
        EXPECT_GT(mixedBlocks, drawnBlocks / 4);
        EXPECT_GT(near, width * height * 9 / 10);
    }
}

} // namespace
