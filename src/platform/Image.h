// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Canvas.h"

#include <QImage>
#include <QWidget>

// A picture control: shows a picture at its own size (or stretched to the
// control) and reports mouse presses and moves in picture pixels; both presses
// of a double click are reported as presses. Drawing
// goes into Picture() or through Canvas(). After drawing through Canvas(),
// ShowChanges() repaints just the part that changed; after editing Picture()
// directly, update() repaints it all.
//
// The picture may carry a device pixel ratio: a picture of twice the
// control's size with ratio 2 fills the control at full sharpness on a
// screen scaled to 200 %, and mouse positions arrive in its pixels.
//
// A picture that covers the control with opaque pixels makes the control
// opaque, so nothing behind it is painted first.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // Edits through Picture() keep the picture's size and format.
    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);

    // The persistent drawing surface of the picture: its pen, brush and font
    // stay as the last drawing left them. Without a picture, a white one of
    // the control's size is made first.
    TCanvas& Canvas();
    // Repaints the part of the control that drawing on Canvas() changed
    // since the last call; nothing when nothing changed.
    void ShowChanges();

    // The picture's size in its own pixels (the control's size while there
    // is no picture), and its pixels per control pixel.
    int PixelWidth() const {
        const int w = picture_.width(); // 0 without a picture
        return w > 0 ? w : width();
    }
    int PixelHeight() const {
        const int h = picture_.height();
        return h > 0 ? h : height();
    }
    qreal PixelRatio() const { return picture_.isNull() ? 1.0 : picture_.devicePixelRatio(); }
    // The control's rectangle that shows a rectangle of picture pixels.
    QRect ToControl(const QRect& pixels) const;

    void SetStretch(bool on);
    bool Stretch() const { return stretch_; }

signals:
    void MouseDown(int x, int y, Qt::MouseButton button);
    void MouseMove(int x, int y);
    void DoubleClick(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPoint ToPicture(const QPointF& position) const;
    void UpdateOpaque();

    QImage picture_;
    TCanvas canvas_{&picture_};
    bool stretch_ = false;
};
