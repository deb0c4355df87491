// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// A drawn shape control: a rectangle or an ellipse filling the control, with
// a pen outline and a solid or clear brush.
class TShape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Ellipse };
    explicit TShape(QWidget* parent = nullptr, Kind kind = Kind::Rectangle);

    void SetBrushColor(const QColor& color); // makes the brush solid
    QColor BrushColor() const { return brush_; }
    void SetBrushClear();
    void SetPen(const QColor& color, int width = 1);

signals:
    void MouseDown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Kind kind_;
    QColor brush_ = Qt::white;
    bool solid_ = true;
    QColor pen_ = Qt::black;
    int penWidth_ = 1;
};
