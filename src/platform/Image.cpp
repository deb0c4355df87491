#include "platform/Image.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

TCanvas& TImage::Canvas() {
    if (picture_.isNull() && width() > 0 && height() > 0) {
        picture_ = QImage(width(), height(), QImage::Format_RGB32);
        picture_.fill(Qt::white);
    }
    return canvas_;
}

void TImage::SetStretch(bool on) {
    stretch_ = on;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter p(this);
    if (stretch_)
        p.drawImage(rect(), picture_);
    else
        p.drawImage(0, 0, picture_);
}

void TImage::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MouseDown(pos.x(), pos.y(), event->button());
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit MouseMove(pos.x(), pos.y());
}

void TImage::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press like any other: a quick
    // second answer must count.
    const QPoint pos = event->position().toPoint();
    emit MouseDown(pos.x(), pos.y(), event->button());
    emit DoubleClick(pos.x(), pos.y());
}
