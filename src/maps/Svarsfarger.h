// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

// The colours the maps give answered items, and the marks drawn on them for
// a player who cannot tell the colours apart.
//
// The normal colours tell the tries apart by hue alone: white at the first
// try, light yellow at the second, yellow at the third, red after. The
// colour-blind-safe colours go from white through lilac and violet to a dark
// wine as the answer came later, so that each step is also a step in
// lightness, and keep the exercise's green for the items still to answer and
// lime for the answer shown. Every pair of them, the grey land and the navy
// sea among them, lies at least 20 apart in CIEDE2000 for normal vision and
// for simulated protanopia, deuteranopia and tritanopia (tests/maps/
// SvarsfargerTest.cpp; the table: tools/colourvision).
namespace Svarsfarger {

// The two settings (Setting::ColourBlind, Setting::AnswerMarks), read when
// the main menu shows and set by the settings dialog. Off by default: the
// game looks as it always has.
extern bool Fargblind; // the colour-blind-safe colours, marks included
extern bool Marken;    // the marks with the normal colours too
// Whether marks are drawn on answered items.
bool MarkenPa();

// The mark of an item answered at the try: a tick at the first, a dot at the
// second, a cross at the third or when the answer had to be shown. None
// before it is answered (0).
enum class TMark { Ingen, Bock, Punkt, Kryss };
TMark Mark(int32_t forsok);
QString MarkText(TMark mark);

// The colour of an item answered at the try, in the colours now chosen; the
// normal colours give the second and later tries of areas and place labels
// their own shades (andra, sen).
QColor Efter(int32_t forsok, const QColor& andra, const QColor& sen);
// Black or white, whichever reads better on the background.
QColor Textfarg(const QColor& bakgrund);

// The answer colours of a scheme by name, in the order: still to answer,
// the first, second, third and later tries, the answer shown, and the land
// and sea around them. For the tests and tools that measure them.
struct TNamngivenFarg {
    const char* Namn;
    QColor Farg;
};
std::vector<TNamngivenFarg> Palett(bool fargblind);

} // namespace Svarsfarger
