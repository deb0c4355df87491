// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Shape.h"

#include <QPainter>

TShape::TShape(QWidget* parent, Kind kind) : QWidget(parent), kind_(kind) {
}

void TShape::SetBrushColor(const QColor& color) {
    brush_ = color;
    solid_ = true;
    update();
}

void TShape::SetBrushClear() {
    solid_ = false;
    update();
}

void TShape::SetPen(const QColor& color, int width) {
    pen_ = color;
    penWidth_ = width;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int inset = penWidth_ / 2;
    const QRect r = rect().adjusted(inset, inset, -inset - (penWidth_ > 0 ? 1 : 0),
                                    -inset - (penWidth_ > 0 ? 1 : 0));
    p.setPen(penWidth_ > 0 ? QPen(pen_, penWidth_) : QPen(Qt::NoPen));
    p.setBrush(solid_ ? QBrush(brush_) : QBrush(Qt::NoBrush));
    if (kind_ == Kind::Ellipse) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(r);
    } else {
        p.drawRect(r);
    }
}

void TShape::mousePressEvent(QMouseEvent*) {
    emit MouseDown();
}
