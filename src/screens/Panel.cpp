// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Panel.h"

#include <QPainter>

TPanel::TPanel(QWidget* parent, int lineWidth, int borderWidth)
    : QWidget(parent), client_(new QWidget(this)), lineWidth_(lineWidth),
      borderWidth_(borderWidth) {
    client_->move(Inset(), Inset());
}

void TPanel::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TPanel::Placera(int x, int y, int w, int h) {
    setGeometry(x, y, w, h);
    client_->setGeometry(Inset(), Inset(), std::max(0, w - 2 * Inset()),
                         std::max(0, h - 2 * Inset()));
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), color_);
    if (lineWidth_ > 0) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TPanel::resizeEvent(QResizeEvent*) {
    client_->setGeometry(Inset(), Inset(), std::max(0, width() - 2 * Inset()),
                         std::max(0, height() - 2 * Inset()));
}
