#pragma once

#include <QImage>
#include <QWidget>

// A picture control: shows a picture at its own size (or stretched to the
// control) and reports mouse presses and moves in picture pixels. Drawing
// goes into Picture(); call update() to show it.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);

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
    bool stretch_ = false;
};
