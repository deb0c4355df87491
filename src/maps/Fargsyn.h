// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// How colours look to a viewer with a colour vision deficiency, and how far
// apart two colours look: the measure behind the colour-blind-safe answer
// colours (Svarsfarger.h) and the tools that check them.
namespace Fargsyn {

enum class TSyn { Normal, Protanopi, Deuteranopi, Tritanopi };
inline constexpr TSyn kAllaSyner[] = {TSyn::Normal, TSyn::Protanopi, TSyn::Deuteranopi,
                                      TSyn::Tritanopi};
const char* Namn(TSyn syn); // "normal", "protanopia", ...

// The sRGB colour as the viewer sees it: Machado, Oliveira and Fernandes
// (2009), severity 1, applied in linear RGB and clipped to the gamut.
QColor Simulera(const QColor& farg, TSyn syn);
// One pixel value (0xAARRGGBB, alpha kept) the same way, for whole pictures.
unsigned int SimuleraPixel(unsigned int argb, TSyn syn);

struct TLab {
    double L, a, b;
};
// CIE L*a*b* of an sRGB colour under D65.
TLab Lab(const QColor& farg);
// CIEDE2000 colour difference (kL = kC = kH = 1).
double DeltaE2000(const TLab& x, const TLab& y);
// The difference of two colours as a viewer with the vision sees them.
double Skillnad(const QColor& x, const QColor& y, TSyn syn);

} // namespace Fargsyn
