#include "data/Helpers.h"
#include "data/Errors.h"
#include "data/Gif.h"
#include "platform/Image.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <vector>

TEST(Helpers, TextsFoldersAndHelp) {
    const std::pair<int, QString> times[] = {{75, "01:15"},    {0, "00:00"},       {5999, "99:59"},
                                             {6000, "100:00"}, {99998, "1666:38"}, {99999, ""}};
    for (const auto& [seconds, text] : times)
        EXPECT_EQ(TimeText(seconds), text) << seconds;
    EXPECT_EQ(std::tuple(PadLeft("7", 2), PadLeft("123", 2), PadLeft("", 2)),
              std::tuple("07", "123", "00"));
    EXPECT_EQ(std::tuple(FolderOfPath("/games/quiz/prog"), FolderOfPath("/prog")),
              std::tuple("/games/quiz", ""));
    EXPECT_FALSE(ProgramFolder().endsWith('/'));
    EXPECT_TRUE(QDir(ProgramFolder()).exists());

    QString opened;
    auto old = SetShellHook([&](const QString& target) { opened = target; });
    OpenHelp(nullptr);
    SetShellHook(old);
    EXPECT_EQ(opened, "file://" + ProgramFolder() + "/globina.chm");
}

namespace {

// Writes a GIF with giflib: a 4 x 3 logical screen holding a 2 x 2 interlaced
// frame at (1, 1) with a local colour table whose entry 3 is transparent; its
// pixels are 0, 1, 2, 3, 0, 1, ... Other screen and frame sizes may be given.
void WriteTestGif(const QString& path, QSize screen = {4, 3}, QRect place = {1, 1, 2, 2}) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    ASSERT_NE(gif, nullptr);
    GifColorType global[2] = {{10, 20, 30}, {200, 0, 0}};
    ColorMapObject* globalMap = GifMakeMapObject(2, global);
    GifColorType local[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
    ColorMapObject* localMap = GifMakeMapObject(4, local);
    gif->SWidth = screen.width();
    gif->SHeight = screen.height();
    gif->SColorResolution = 8;
    gif->SBackGroundColor = 0;
    gif->SColorMap = globalMap;
    SavedImage* frame = GifMakeSavedImage(gif, nullptr);
    frame->ImageDesc = {place.x(), place.y(), place.width(), place.height(), true, localMap};
    const size_t size = size_t(place.width()) * place.height();
    frame->RasterBits = static_cast<GifByteType*>(malloc(size));
    for (size_t i = 0; i < size; ++i)
        frame->RasterBits[i] = i % 4;
    GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0, 3};
    EGifGCBToSavedExtension(&gcb, gif, 0);
    // Writing closes the file and frees its own copy of the screen's colours;
    // the colours and frames given to it stay the caller's.
    SavedImage* frames = gif->SavedImages;
    const int count = gif->ImageCount;
    EXPECT_EQ(EGifSpew(gif), GIF_OK);
    GifFreeMapObject(globalMap);
    for (int i = 0; i < count; ++i) {
        GifFreeMapObject(frames[i].ImageDesc.ColorMap);
        free(frames[i].RasterBits);
        GifFreeExtensions(&frames[i].ExtensionBlockCount, &frames[i].ExtensionBlocks);
    }
    free(frames);
}

} // namespace

TEST(Helpers, DecodesGifFramesWithLocalColoursAndTransparency) {
    TestDir dir;
    WriteTestGif(dir.Path("t.gif"));
    const QImage image = DecodeGif(dir.Path("t.gif"));
    ASSERT_EQ(image.size(), QSize(4, 3));
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0); // outside the frame
    EXPECT_EQ(std::tuple(image.pixel(1, 1), image.pixel(2, 1), image.pixel(1, 2)),
              std::tuple(qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)));
    EXPECT_EQ(qAlpha(image.pixel(2, 2)), 0); // the transparent index
}

TEST(Helpers, AnOversizedLogicalScreenGivesTheFramesExtentAndAnOversizedFrameIsRefused) {
    TestDir dir;
    // A damaged screen size: the picture is as big as the frame reaches.
    WriteTestGif(dir.Path("screen.gif"), {65535, 65535});
    const QImage image = DecodeGif(dir.Path("screen.gif"));
    ASSERT_EQ(image.size(), QSize(3, 3));
    EXPECT_EQ(std::tuple(image.pixel(1, 1), image.pixel(2, 1), qAlpha(image.pixel(0, 0))),
              std::tuple(qRgb(255, 0, 0), qRgb(0, 255, 0), 0));
    EXPECT_EQ(DecodeGif((WriteTestGif(dir.Path("edge.gif"), {4096, 1}, {4095, 0, 1, 1}),
                         dir.Path("edge.gif")))
                  .size(),
              QSize(4096, 1));

    for (const auto& [screen, frame] : {std::pair{QSize(65535, 2), QRect(0, 0, 4097, 1)},
                                        std::pair{QSize(4096, 65535), QRect(0, 4096, 1, 1)}}) {
        const QString path = dir.Path("big.gif");
        WriteTestGif(path, screen, frame);
        EXPECT_EQ(MessageOf<EInOutError>([&] { DecodeGif(path); }),
                  QString("Cannot decode the GIF picture \"%1\": the picture is larger than "
                          "4096 x 4096 pixels")
                      .arg(path));
    }
}

TEST(Helpers, BrokenGifIsReportedAndThePictureKept) {
    TestDir dir;
    EXPECT_THROW(DecodeGif(dir.Write("bad.gif", "GIF89a\x04\x00")), EInOutError);

    QStringList boxes;
    auto old = SetMessageBoxHook([&](TBoxKind, const QString& text) { boxes << text; });
    TImage image;
    QImage before(3, 3, QImage::Format_RGB32);
    before.fill(Qt::red);
    image.SetPicture(before);
    LoadPicture(&image, "no-such-logo.gif");
    const QString relative = QDir(ProgramFolder()).relativeFilePath(dir.Path("bad.gif"));
    LoadPicture(&image, relative);
    SetMessageBoxHook(old);
    EXPECT_EQ(boxes, (QStringList{"Kunde inte visa bilden no-such-logo.gif.",
                                  "Kunde inte visa bilden " + relative + "."}));
    EXPECT_EQ(image.Picture(), before);

    WriteTestGif(dir.Path("t.gif"));
    LoadPicture(&image, QDir(ProgramFolder()).relativeFilePath(dir.Path("t.gif")));
    EXPECT_EQ(image.Picture().size(), QSize(4, 3));
}

TEST(Helpers, BlankSurfaceIsWhiteAtTheControlsSize) {
    TemplateBitmap = QImage(8, 8, QImage::Format_RGB32);
    TemplateBitmap.fill(Qt::white);
    TImage image;
    image.resize(20, 10);
    BlankSurface(&image);
    ASSERT_EQ(image.Picture().size(), QSize(20, 10));
    EXPECT_EQ(image.Picture().pixel(19, 9), qRgb(255, 255, 255));
    TemplateBitmap = QImage();
}
