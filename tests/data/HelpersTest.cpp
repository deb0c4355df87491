// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Helpers.h"
#include "data/Errors.h"
#include "data/Gif.h"
#include "platform/Image.h"
#include "platform/Shell.h"
#include "platform/WidgetHelpers.h"
#include "support/BoxRecorder.h"
#include "support/TestFiles.h"
#include "support/TestGif.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(Helpers, TextsFoldersAndHelp) {
    const std::pair<int, QString> times[] = {{75, "01:15"},    {0, "00:00"},       {5999, "99:59"},
                                             {6000, "100:00"}, {99998, "1666:38"}, {99999, ""}};
    for (const auto& [seconds, text] : times)
        EXPECT_EQ(TimeText(seconds), text) << seconds;
    EXPECT_EQ(std::tuple(PadLeft("7", 2), PadLeft("123", 2), FolderOfPath("/games/quiz/prog"),
                         FolderOfPath("/prog")),
              std::tuple("07", "123", "/games/quiz", ""));

    QString opened;
    auto old = SetShellHook([&](const QString& target) { opened = target; });
    OpenHelp();
    SetShellHook(old);
    EXPECT_EQ(opened, "file://" + ProgramFolder() + "/globina.chm");
}

TEST(Helpers, GifFramesTakeLocalColoursAndTransparencyAndOversizedFramesAreRefused) {
    TestDir dir;
    // With a damaged screen size the picture is as big as the frame reaches.
    for (auto [screen, size] :
         {std::pair{QSize(4, 3), QSize(4, 3)}, {QSize(65535, 65535), QSize(3, 3)}}) {
        WriteTestGif(dir.Path("t.gif"), screen);
        const QImage image = DecodeGif(dir.Path("t.gif"));
        ASSERT_EQ(image.size(), size);
        // Outside the frame, and the transparent index, alpha 0.
        EXPECT_EQ(std::tuple(image.pixel(1, 1), image.pixel(2, 1), image.pixel(1, 2),
                             qAlpha(image.pixel(0, 0)), qAlpha(image.pixel(2, 2))),
                  std::tuple(qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), 0, 0));
    }
    WriteTestGif(dir.Path("edge.gif"), {4096, 1}, {4095, 0, 1, 1});
    EXPECT_EQ(DecodeGif(dir.Path("edge.gif")).size(), QSize(4096, 1));
    for (const auto& [screen, frame] : {std::pair{QSize(65535, 2), QRect(0, 0, 4097, 1)},
                                        std::pair{QSize(4096, 65535), QRect(0, 4096, 1, 1)}}) {
        WriteTestGif(dir.Path("big.gif"), screen, frame);
        EXPECT_THROW(DecodeGif(dir.Path("big.gif")), EInOutError);
    }
}

// A picture that cannot be shown is reported and the control keeps what it
// showed. Above ratio 1 a control takes the double-size picture from 2x/
// beside the plain one and shows it at the plain one's size; anything wrong
// with the double-size file quietly leaves the plain picture.
TEST(Helpers, BrokenPicturesAreReportedAndSharpOnesTakenAboveRatioOne) {
    TestDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.Path("2x")));
    const QString folder = QDir(ProgramFolder()).relativeFilePath(dir.Path(""));
    const auto name = [&](const char* file) { return folder + "/" + file; };
    EXPECT_THROW(DecodeGif(dir.Write("broken.gif", "GIF89a\x04\x00")), EInOutError);
    for (const char* plain : {"pic.gif", "alone.gif", "odd.gif", "bad.gif"})
        WriteTestGif(dir.Path(plain));
    WriteTestGif(dir.Path("2x/pic.gif"), {8, 6}, {2, 2, 4, 4});
    WriteTestGif(dir.Path("2x/odd.gif"), {8, 5}, {2, 2, 4, 2});
    dir.Write("2x/bad.gif", "GIF89a\x08\x00");

    TBoxRecorder recorder;
    QStringList& boxes = recorder.texts;
    TImage image;
    const QImage before = DecodeGif(dir.Path("pic.gif"));
    image.SetPicture(before);
    LoadPicture(&image, "no-such-logo.gif");
    LoadPicture(&image, name("broken.gif"));
    LoadArtwork(&image, name("broken.gif")); // the window works without it: no message
    EXPECT_EQ(boxes, (QStringList{"Kunde inte visa bilden no-such-logo.gif.",
                                  "Kunde inte visa bilden " + name("broken.gif") + "."}));
    EXPECT_EQ(image.Picture(), before);

    boxes.clear();
    const auto shown = [](TImage& image) {
        return std::tuple(image.Picture().size(), image.PixelRatio(),
                          image.Picture().deviceIndependentSize().toSize());
    };
    const auto plain = std::tuple(QSize(4, 3), 1.0, QSize(4, 3));
    LoadPicture(&image, name("pic.gif"), 2.0);
    EXPECT_EQ(shown(image), std::tuple(QSize(8, 6), 2.0, QSize(4, 3)));
    // The picture's corner pixel is the frame's first, at (2, 2).
    EXPECT_EQ(image.Picture().pixel(2, 2), qRgb(255, 0, 0));
    LoadPicture(&image, name("pic.gif"), 1.0);
    EXPECT_EQ(shown(image), plain);
    LoadPicture(&image, name("pic.gif"), 1.5);
    EXPECT_EQ(image.PixelRatio(), 2.0);
    for (const char* fallback : {"alone.gif", "odd.gif", "bad.gif"}) {
        TImage other;
        LoadPicture(&other, name(fallback), 2.0);
        EXPECT_EQ(shown(other), plain) << fallback;
    }
    EXPECT_EQ(boxes, QStringList());
}
