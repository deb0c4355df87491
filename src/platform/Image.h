#pragma once

#include "platform/Canvas.h"

#include <QImage>
#include <QWidget>

// A picture control: shows a picture at its own size (or stretched to the
// control) and reports mouse presses and moves in picture pixels; both presses
// of a double click are reported as presses. Drawing
// goes into Picture() or through Canvas(); call update() to show it.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);

    // The persistent drawing surface of the picture: its pen, brush and font
    // stay as the last drawing left them. Without a picture, a white one of
    // the control's size is made first.
    TCanvas& Canvas();

    void SetStretch(bool on);
    bool Stretch() const { return stretch_; }

signals:
    void MouseDown(int x, int y, Qt::MouseButton button);
    void MouseMove(int x, int y);
    void DoubleClick(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    TCanvas canvas_{&picture_};
    bool stretch_ = false;
};
