// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

enum class TPenMode {
    Copy,   // pen colour
    Mask,   // pen AND picture
    NotXor, // NOT (pen XOR picture)
};

enum class TPenStyle { Solid, Clear };
enum class TBrushStyle { Solid, Clear };

enum class TFillStyle {
    Border,  // spread until the given border colour
    Surface, // spread over exactly the given colour
};

// Pixel-exact drawing on a 32-bit RGB picture, with the state of a classic
// device canvas (pen, brush, font, current position) that persists between
// calls. Figures exclude their right and bottom edges; one-pixel lines are
// Bresenham lines without their end point; flood fills are 4-connected scan
// line fills, so they never leak through the diagonal steps of an outline.
// Pixels outside the picture are clipped.
class TCanvas {
public:
    // The canvas draws on *image, which it does not own; a picture of another
    // format is converted to 32-bit RGB at the first drawing call.
    explicit TCanvas(QImage* image);

    int Width() const { return image_->width(); }
    int Height() const { return image_->height(); }

    // Pen
    QColor PenColor() const { return QColor::fromRgb(penRgb_); }
    void SetPenColor(const QColor& c) { penRgb_ = c.rgb() | 0xFF000000u; }
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int w) { penWidth_ = w < 1 ? 1 : w; }
    TPenStyle PenStyle() const { return penStyle_; }
    void SetPenStyle(TPenStyle s) { penStyle_ = s; }
    TPenMode PenMode() const { return penMode_; }
    void SetPenMode(TPenMode m) { penMode_ = m; }

    // Brush: setting a colour makes the brush solid.
    QColor BrushColor() const { return QColor::fromRgb(brushRgb_); }
    void SetBrushColor(const QColor& c) {
        brushRgb_ = c.rgb() | 0xFF000000u;
        brushStyle_ = TBrushStyle::Solid;
    }
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle s) { brushStyle_ = s; }

    // Font: a family name and a size in points (at 96 pixels per inch).
    void SetFont(const QString& name, int points);
    void SetFontColor(const QColor& c) { fontRgb_ = c.rgb() | 0xFF000000u; }

    // Lines from the current position; the end point is not painted by a
    // one-pixel pen and becomes the current position.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPos() const { return pos_; }

    // Rectangle and ellipse in the box (x1, y1)-(x2, y2), right and bottom
    // edges excluded: outlined with the pen, filled with the brush.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    // Fills the rectangle (right and bottom excluded) with the brush colour,
    // ignoring pen and mix mode.
    void FillRect(const QRect& r);
    QRect ClipRect() const { return QRect(0, 0, Width(), Height()); }

    // Text with its top left corner at (x, y) in the font colour; a solid
    // brush fills the text box first.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight() const;

    // A pixel's colour; an invalid QColor outside the picture.
    QColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, const QColor& c);
    // The pixels of a rectangle inside the picture, row by row, and back:
    // what lies under a mark drawn over the picture for a while.
    std::vector<QRgb> Block(const QRect& r) const;
    void SetBlock(const QRect& r, const std::vector<QRgb>& pixels);

    // Flood fill from (x, y) with the brush colour: Border spreads over every
    // pixel that is not the colour, Surface over pixels of exactly the colour.
    void FloodFill(int x, int y, const QColor& color, TFillStyle style);

    // Fills with the brush colour every 4-connected region (of 3 pixels or
    // more) of pixels of
    // exactly `color` that holds none of the `known` points and for which
    // `choose` says yes, given up to five pixels spread over the region (the
    // middles of its runs). The regions are found in one pass over the
    // picture, so the cost hardly depends on how many there are.
    void FillRegions(const QColor& color, const std::vector<QPoint>& known,
                     const std::function<bool(const std::vector<QPoint>&)>& choose);

    // The box of every pixel that drawing may have changed since the last
    // TakeDamage, clipped to the picture; empty when nothing was drawn. A
    // flood fill adds the box of the pixels it filled, other figures their
    // bounding box.
    QRect Damage() const {
        return left_ > right_ ? QRect() : QRect(QPoint(left_, top_), QPoint(right_, bottom_));
    }
    QRect TakeDamage() {
        const QRect d = Damage();
        left_ = top_ = 0;
        right_ = bottom_ = -1;
        return d;
    }

private:
    // Adds a box, corners included, to the damage. Most drawing lands inside
    // what is already damaged, so that case is decided first.
    void Touch(int x1, int y1, int x2, int y2) {
        if (x1 >= left_ && y1 >= top_ && x2 <= right_ && y2 <= bottom_)
            return;
        Widen(x1, y1, x2, y2);
    }
    void Widen(int x1, int y1, int x2, int y2);
    void AddDamage(const QRect& r) {
        if (!r.isEmpty())
            Touch(r.left(), r.top(), r.right(), r.bottom());
    }
    // Orders a box's corners; false when nothing is to be drawn in it.
    bool PrepareBox(int& x1, int& y1, int& x2, int& y2);
    uint32_t* Row(int y) { return reinterpret_cast<uint32_t*>(image_->scanLine(y)); }
    void Prepare();
    void Plot(int x, int y, uint32_t rgb);
    void PlotOp(uint32_t* p, uint32_t rgb) const;
    void HorizontalSpan(int y, int x1, int x2, uint32_t rgb, bool useMode);
    void FillBand(int x1, int y1, int x2, int y2, uint32_t rgb, bool useMode);
    void ThinLine(int x0, int y0, int x1, int y1);
    void WideLine(int x0, int y0, int x1, int y1);
    QFont Font() const;

    QImage* image_;
    uint32_t penRgb_ = 0xFF000000u;
    int penWidth_ = 1;
    TPenStyle penStyle_ = TPenStyle::Solid;
    TPenMode penMode_ = TPenMode::Copy;
    uint32_t brushRgb_ = 0xFFFFFFFFu;
    TBrushStyle brushStyle_ = TBrushStyle::Solid;
    QString fontName_ = QStringLiteral("Arial");
    int fontPoints_ = 8;
    uint32_t fontRgb_ = 0xFF000000u;
    QPoint pos_;
    int left_ = 0, top_ = 0, right_ = -1, bottom_ = -1; // the damage; empty while right_ < left_
};
