#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

// The fonts and colours of the program's windows.

// "Arial" at a height in pixels.
QFont Arial(int pixels, bool bold = false);
// The desktop's sans-serif font at a height in pixels.
QFont Sans(int pixels);
// Sets a colour role in every colour group, so a disabled control looks the
// same as an enabled one.
void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color);
