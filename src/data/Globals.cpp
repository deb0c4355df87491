// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Globals.h"

#include <QGuiApplication>
#include <QScreen>

std::array<QString, 9> LanguageNames;
bool SoundsOn = false;
bool MusicOn = false;
bool ShowTimer = false;

int64_t ScreenColors = 0;
QColor LightColor(0, 0, 0);
QColor FrameColor(0, 0, 0);
QColor RedColor(0, 0, 0);
QColor GreenColor(0, 0, 0);

void ChooseColorScheme(int bitsPerPixel, int planes) {
    // Wide enough that 32 bits per pixel counts 2^32 colours.
    const int bits = bitsPerPixel < 0 ? 0 : (bitsPerPixel > 48 ? 48 : bitsPerPixel);
    ScreenColors = (int64_t{1} << bits) * planes;
    if (ScreenColors <= 256) {
        LightColor = QColor(192, 192, 192);
        FrameColor = QColor(0, 0, 128);
        RedColor = QColor(255, 0, 0);
        GreenColor = QColor(0, 255, 0);
    } else {
        // A true-colour display has no palette; palette-relative colours are plain colours.
        LightColor = QColor(192, 208, 224);
        FrameColor = QColor(40, 90, 160);
        RedColor = QColor(255, 64, 64);
        GreenColor = QColor(0, 255, 0);
    }
}

void ChooseColorScheme() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ChooseColorScheme(screen ? screen->depth() : 32, 1);
}
