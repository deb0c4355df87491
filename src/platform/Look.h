// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

// The fonts and colours of the program's windows.

// The frame of a window of fixed size: a title with the system menu, minimise
// and close, and no maximise.
constexpr Qt::WindowFlags kFastFonster = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// "Arial" at a height in pixels.
QFont Arial(int pixels, bool bold = false);
// The desktop's sans-serif font at a height in pixels.
QFont Sans(int pixels);
// Sets a colour role in every colour group, so a disabled control looks the
// same as an enabled one.
void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color);
