// The shipped pictures decode with giflib at the sizes their controls have,
// sit on the background they are drawn for, and the template bitmap is a
// white 24-bit bitmap.
#include "AssetPath.h"

#include <QFile>
#include <QImage>
#include <gif_lib.h>
#include <gtest/gtest.h>

namespace {

struct Gif {
    int width = 0;
    int height = 0;
    int transparent = NO_TRANSPARENT_COLOR;
    // Colour of a pixel of the first frame, 0xRRGGBB.
    std::vector<uint32_t> pixels;
};

Gif Decode(const QString& name) {
    Gif g;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(AssetPath(name).toLocal8Bit().constData(), &error);
    if (!gif) {
        ADD_FAILURE() << name.toStdString() << ": " << GifErrorString(error);
        return g;
    }
    if (DGifSlurp(gif) != GIF_OK || gif->ImageCount < 1) {
        ADD_FAILURE() << name.toStdString() << ": " << GifErrorString(gif->Error);
        DGifCloseFile(gif, &error);
        return g;
    }
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* map =
        frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    GraphicsControlBlock gcb;
    if (DGifSavedExtensionToGCB(gif, 0, &gcb) == GIF_OK)
        g.transparent = gcb.TransparentColor;
    // The frame must cover the picture; an offset frame would leave a border.
    EXPECT_EQ(frame.ImageDesc.Left, 0);
    EXPECT_EQ(frame.ImageDesc.Top, 0);
    EXPECT_EQ(frame.ImageDesc.Width, gif->SWidth);
    EXPECT_EQ(frame.ImageDesc.Height, gif->SHeight);
    g.width = frame.ImageDesc.Width;
    g.height = frame.ImageDesc.Height;
    if (map)
        for (int i = 0; i < g.width * g.height; ++i) {
            const GifColorType c = map->Colors[frame.RasterBits[i]];
            g.pixels.push_back(c.Red << 16 | c.Green << 8 | c.Blue);
        }
    DGifCloseFile(gif, &error);
    return g;
}

TEST(PictureAsset, GifsHaveTheSizesOfTheirControlsAndTheirBackground) {
    constexpr uint32_t kFrameBlue = 40 << 16 | 90 << 8 | 160;
    constexpr uint32_t kWhite = 0xFFFFFF;
    struct Expected {
        const char* name;
        int width, height;
        uint32_t background;
    };
    for (const Expected& e :
         {Expected{"logo.gif", 120, 423, kFrameBlue}, Expected{"MultiBlomma.gif", 37, 37, kWhite},
          Expected{"MultiBar.gif", 37, 37, kWhite}, Expected{"TioBand1.gif", 319, 37, kFrameBlue},
          Expected{"TioBand2.gif", 319, 37, kFrameBlue},
          Expected{"ListBlomma1.gif", 45, 35, kFrameBlue},
          Expected{"ListBlomma2.gif", 37, 35, kFrameBlue}}) {
        SCOPED_TRACE(e.name);
        const Gif g = Decode(e.name);
        ASSERT_EQ(g.width, e.width);
        ASSERT_EQ(g.height, e.height);
        ASSERT_EQ(g.pixels.size(), size_t(e.width * e.height));
        EXPECT_EQ(g.pixels.front(), e.background) << "top left corner";
        // Drawn on, not a plain fill.
        const auto others = std::count_if(g.pixels.begin(), g.pixels.end(),
                                          [&](uint32_t p) { return p != e.background; });
        EXPECT_GT(others, g.width * g.height / 10);
        EXPECT_NE(g.transparent, NO_TRANSPARENT_COLOR) << "background shows through";
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
