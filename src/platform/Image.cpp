// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Image.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

TImage::TImage(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    canvas_.TakeDamage();
    UpdateOpaque();
    update();
}

TCanvas& TImage::Canvas() {
    if (picture_.isNull() && width() > 0 && height() > 0) {
        picture_ = QImage(width(), height(), QImage::Format_RGB32);
        picture_.fill(Qt::white);
        UpdateOpaque();
    }
    return canvas_;
}

void TImage::ShowChanges() {
    const QRect changed = canvas_.TakeDamage();
    if (!changed.isEmpty())
        update(stretch_ ? rect() : ToControl(changed));
}

QRect TImage::ToControl(const QRect& pixels) const {
    const qreal r = PixelRatio();
    if (r == 1.0)
        return pixels;
    const int left = static_cast<int>(std::floor(pixels.left() / r));
    const int top = static_cast<int>(std::floor(pixels.top() / r));
    const int right = static_cast<int>(std::ceil((pixels.right() + 1) / r));
    const int bottom = static_cast<int>(std::ceil((pixels.bottom() + 1) / r));
    return QRect(left, top, right - left, bottom - top);
}

QPoint TImage::ToPicture(const QPointF& position) const {
    const qreal r = PixelRatio();
    if (r == 1.0)
        return position.toPoint();
    // The picture pixel under the pointer, which may sit between two
    // control pixels.
    return QPoint(static_cast<int>(std::floor(position.x() * r + 1e-6)),
                  static_cast<int>(std::floor(position.y() * r + 1e-6)));
}

void TImage::UpdateOpaque() {
    const QSizeF shown = picture_.deviceIndependentSize();
    const bool covers = !picture_.isNull() && !picture_.hasAlphaChannel() &&
                        (stretch_ || (shown.width() >= width() && shown.height() >= height()));
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
}

void TImage::SetStretch(bool on) {
    stretch_ = on;
    UpdateOpaque();
    update();
}

void TImage::paintEvent(QPaintEvent* event) {
    if (picture_.isNull())
        return;
    QPainter p(this);
    if (stretch_) {
        p.drawImage(rect(), picture_);
        return;
    }
    // Only the damaged rectangles, each copied one picture pixel to one
    // screen pixel.
    const qreal r = picture_.devicePixelRatio();
    for (const QRect& d : event->region()) {
        if (r == 1.0)
            p.drawImage(d.topLeft(), picture_, d);
        else
            p.drawImage(QRectF(d), picture_,
                        QRectF(d.x() * r, d.y() * r, d.width() * r, d.height() * r));
    }
}

void TImage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateOpaque();
}

void TImage::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = ToPicture(event->position());
    emit MouseDown(pos.x(), pos.y(), event->button());
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = ToPicture(event->position());
    emit MouseMove(pos.x(), pos.y());
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press like any other: a quick
    // second answer must count.
    const QPoint pos = ToPicture(event->position());
    emit MouseDown(pos.x(), pos.y(), event->button());
    emit DoubleClick(pos.x(), pos.y());
}
