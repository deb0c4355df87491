// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QRect>
#include <QString>
#include <gif_lib.h>
#include <gtest/gtest.h>

// Writes a GIF with giflib: a 4 x 3 logical screen holding a 2 x 2 interlaced
// frame at (1, 1) with a local colour table whose entry 3 is transparent; its
// pixels are 0, 1, 2, 3, 0, 1, ... Other screen and frame sizes may be given.
inline void WriteTestGif(const QString& path, QSize screen = {4, 3}, QRect place = {1, 1, 2, 2}) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    ASSERT_NE(gif, nullptr);
    GifColorType global[2] = {{10, 20, 30}, {200, 0, 0}};
    ColorMapObject* globalMap = GifMakeMapObject(2, global);
    GifColorType local[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
    ColorMapObject* localMap = GifMakeMapObject(4, local);
    gif->SWidth = screen.width(), gif->SHeight = screen.height();
    gif->SColorResolution = 8, gif->SBackGroundColor = 0;
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
    // the colours and the frame given to it stay the caller's. The only frame
    // is the start of the frame array.
    EXPECT_EQ(EGifSpew(gif), GIF_OK);
    GifFreeMapObject(globalMap);
    GifFreeMapObject(localMap);
    free(frame->RasterBits);
    GifFreeExtensions(&frame->ExtensionBlockCount, &frame->ExtensionBlocks);
    free(frame);
}
