// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

// Settings and colours that nearly every screen reads when it needs them.
// Index 1..8 of LanguageNames names language n of the language table.
extern std::array<QString, 9> LanguageNames;
extern bool ShowTimer;

extern QColor LightColor; // light background of bars, panels and grids
extern QColor FrameColor; // dark frames, cards and panels
extern QColor RedColor;   // a wrong answer, a place label answered late
extern QColor GreenColor; // the right answer
// Silver, 0xC0C0C0: the screens' grey, the answered flag and place, the graticule.
inline const QColor kSilver(192, 192, 192);

// Sets the four colours from the primary screen's colour depth.
void ChooseColorScheme();
// The same from a given depth: bits per pixel and colour planes.
void ChooseColorScheme(int bitsPerPixel, int planes);
