// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// A flat panel: a background colour, an optional one-pixel black border line
// and a border width inside it. Children go on Client(), the area inside the
// line and the border width, so their positions count from its corner and
// they are clipped at its edges.
class TPanel : public QWidget {
    Q_OBJECT
public:
    TPanel(QWidget* parent, int lineWidth, int borderWidth);

    // Sets the panel's geometry and its client area's at once (the resize
    // event of a hidden panel comes only when it is shown).
    void Placera(int x, int y, int w, int h);
    QWidget* Client() const { return client_; }
    void SetColor(const QColor& color);
    QColor Color() const { return color_; }
    // Distance from the panel's edge to the client area on every side.
    int Inset() const { return lineWidth_ + borderWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* client_;
    QColor color_ = QColor(192, 192, 192);
    int lineWidth_;
    int borderWidth_;
};
