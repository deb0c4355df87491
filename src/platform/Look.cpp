// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Look.h"

#include <QFontDatabase>
#include <QWidget>

QFont Arial(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont Sans(int pixels) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(pixels);
    return font;
}

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}
