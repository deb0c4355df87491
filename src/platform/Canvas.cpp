// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;
// Regions of fewer pixels are specks where outlines meet, not worth a look.
constexpr int kMinRegion = 3;

// Calls plot(x, y) for the points of the Bresenham line from (x0, y0) towards
// (x1, y1), step 0 up to but not including the end, skipping steps whose
// point lies outside [minX, maxX] x [minY, maxY]. Step i lies i steps along
// the major axis and round(i * minor / major) (ties away from the start)
// along the minor one, so the clipped walk starts in closed form.
template <class Plot>
void WalkLine(int x0, int y0, int x1, int y1, int minX, int maxX, int minY, int maxY, Plot plot) {
    const long long dx = static_cast<long long>(x1) - x0;
    const long long dy = static_cast<long long>(y1) - y0;
    const long long ax = std::llabs(dx);
    const long long ay = std::llabs(dy);
    const bool xMajor = ax >= ay;
    const long long n = xMajor ? ax : ay; // steps
    const long long m = xMajor ? ay : ax;
    if (n == 0)
        return;
    const int sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const long long major0 = xMajor ? x0 : y0;
    const long long minor0 = xMajor ? y0 : x0;
    const long long lo = xMajor ? minX : minY;
    const long long hi = xMajor ? maxX : maxY;
    const long long mlo = xMajor ? minY : minX;
    const long long mhi = xMajor ? maxY : maxX;

    // Steps whose major coordinate lies in [lo, hi].
    long long first = 0;
    long long last = n - 1;
    if (sMajor > 0) {
        first = std::max(first, lo - major0);
        last = std::min(last, hi - major0);
    } else {
        first = std::max(first, major0 - hi);
        last = std::min(last, major0 - lo);
    }
    if (first > last)
        return;

    const long long twoN = 2 * n;
    long long num = 2 * first * m + n;
    long long q = num / twoN;
    long long r = num % twoN;
    for (long long i = first; i <= last; ++i) {
        const long long major = major0 + sMajor * i;
        const long long minor = minor0 + sMinor * q;
        if (minor >= mlo && minor <= mhi) {
            if (xMajor)
                plot(static_cast<int>(major), static_cast<int>(minor));
            else
                plot(static_cast<int>(minor), static_cast<int>(major));
        } else if ((sMinor > 0 && minor > mhi) || (sMinor < 0 && minor < mlo)) {
            break; // left the picture for good
        }
        r += 2 * m;
        if (r >= twoN) {
            r -= twoN;
            ++q;
        }
    }
}

// Row spans [x, x + len) of the round pen tip of width w, relative to the
// point the tip is centred on.
struct TTipRow {
    int dy, x, len;
};

std::vector<TTipRow> PenTip(int w) {
    std::vector<TTipRow> rows;
    const int off = (w - 1) / 2;
    const double c = (w - 1) / 2.0;
    const double r2 = (w / 2.0) * (w / 2.0);
    for (int j = 0; j < w; ++j) {
        int first = -1, last = -1;
        for (int i = 0; i < w; ++i) {
            if ((i - c) * (i - c) + (j - c) * (j - c) <= r2 + 1e-9) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        if (first >= 0)
            rows.push_back({j - off, first - off, last - first + 1});
    }
    return rows;
}

struct TSegment {
    int y, xl, xr, dy;
};

// Heckbert's scan-line seed fill, 4-connected. inside(row, x) must become
// false once set(row, x) has run on a pixel. The seed must be inside.
// Returns the box of the pixels set.
template <class Inside, class Set>
QRect ScanFill(QImage& image, int x, int y, Inside inside, Set set) {
    const int w = image.width();
    const int h = image.height();
    std::vector<TSegment> stack;
    stack.reserve(1024);
    auto push = [&](int py, int xl, int xr, int dy) {
        if (py + dy >= 0 && py + dy < h)
            stack.push_back({py, xl, xr, dy});
    };
    push(y, x, x, 1);
    push(y + 1, x, x, -1);
    int minX = w, maxX = -1, minY = h, maxY = -1;
    auto filled = [&](int py, int xl, int xr) {
        if (xl > xr)
            return;
        minX = std::min(minX, xl);
        maxX = std::max(maxX, xr);
        minY = std::min(minY, py);
        maxY = std::max(maxY, py);
    };
    while (!stack.empty()) {
        const TSegment s = stack.back();
        stack.pop_back();
        const int py = s.y + s.dy;
        const int x1 = s.xl;
        const int x2 = s.xr;
        const int dy = s.dy;
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(py));
        int px = x1;
        while (px >= 0 && inside(row, px)) {
            set(row, px);
            --px;
        }
        bool filling = px < x1;
        int l = px + 1;
        if (filling)
            filled(py, l, x1);
        if (filling) {
            if (l < x1)
                push(py, l, x1 - 1, -dy);
            px = x1 + 1;
        }
        for (;;) {
            if (filling) {
                const int from = px;
                while (px < w && inside(row, px)) {
                    set(row, px);
                    ++px;
                }
                filled(py, from, px - 1);
                push(py, l, px - 1, dy);
                if (px > x2 + 1)
                    push(py, x2 + 1, px - 1, -dy);
            }
            for (++px; px <= x2 && !inside(row, px); ++px) {
            }
            l = px;
            if (px > x2)
                break;
            filling = true;
        }
    }
    return maxX < 0 ? QRect() : QRect(QPoint(minX, minY), QPoint(maxX, maxY));
}

} // namespace

TCanvas::TCanvas(QImage* image) : image_(image) {
}

void TCanvas::Widen(int x1, int y1, int x2, int y2) {
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, Width() - 1);
    y2 = std::min(y2, Height() - 1);
    if (x1 > x2 || y1 > y2)
        return;
    if (left_ > right_) {
        left_ = x1, top_ = y1, right_ = x2, bottom_ = y2;
        return;
    }
    left_ = std::min(left_, x1);
    top_ = std::min(top_, y1);
    right_ = std::max(right_, x2);
    bottom_ = std::max(bottom_, y2);
}

void TCanvas::Prepare() {
    if (image_->format() != QImage::Format_RGB32 && !image_->isNull())
        *image_ = image_->convertToFormat(QImage::Format_RGB32);
}

void TCanvas::SetFont(const QString& name, int points) {
    fontName_ = name;
    fontPoints_ = points;
}

QFont TCanvas::Font() const {
    QFont f(fontName_);
    // Sizes are points at 96 pixels per inch whatever the screen reports, so
    // labels measure the same everywhere; no antialiasing keeps colours exact.
    // A picture for a scaled screen gets a font as many times larger.
    const double scale = image_->devicePixelRatio();
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(fontPoints_ * 96.0 / 72.0 * scale))));
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

inline void TCanvas::PlotOp(uint32_t* p, uint32_t rgb) const {
    switch (penMode_) {
    case TPenMode::Copy:
        *p = rgb;
        break;
    case TPenMode::Mask:
        *p = (*p & rgb) | kOpaque;
        break;
    case TPenMode::NotXor:
        *p = ~(*p ^ rgb) | kOpaque;
        break;
    }
}

void TCanvas::Plot(int x, int y, uint32_t rgb) {
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    Touch(x, y, x, y);
    PlotOp(Row(y) + x, rgb);
}

void TCanvas::HorizontalSpan(int y, int x1, int x2, uint32_t rgb, bool useMode) {
    if (y < 0 || y >= Height())
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, Width() - 1);
    if (x1 > x2)
        return;
    uint32_t* row = Row(y);
    if (!useMode || penMode_ == TPenMode::Copy) {
        std::fill(row + x1, row + x2 + 1, rgb);
        return;
    }
    for (int x = x1; x <= x2; ++x)
        PlotOp(row + x, rgb);
}

void TCanvas::FillBand(int x1, int y1, int x2, int y2, uint32_t rgb, bool useMode) {
    Touch(x1, y1, x2, y2);
    for (int y = std::max(y1, 0); y <= std::min(y2, Height() - 1); ++y)
        HorizontalSpan(y, x1, x2, rgb, useMode);
}

void TCanvas::MoveTo(int x, int y) {
    pos_ = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y) {
    Prepare();
    if (penStyle_ == TPenStyle::Solid && !image_->isNull()) {
        if (penWidth_ == 1)
            ThinLine(pos_.x(), pos_.y(), x, y);
        else
            WideLine(pos_.x(), pos_.y(), x, y);
    }
    pos_ = QPoint(x, y);
}

void TCanvas::ThinLine(int x0, int y0, int x1, int y1) {
    const uint32_t rgb = penRgb_;
    Touch(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1));
    WalkLine(x0, y0, x1, y1, 0, Width() - 1, 0, Height() - 1,
             [&](int x, int y) { PlotOp(Row(y) + x, rgb); });
}

// A wide pen is a round tip moved along the line, end point included (round
// caps). Each pixel is combined with the picture once, whatever the mix mode.
void TCanvas::WideLine(int x0, int y0, int x1, int y1) {
    const int w = penWidth_;
    const std::vector<TTipRow> tip = PenTip(w);
    const int reach = w;
    const int left = std::max(0, std::min(x0, x1) - reach);
    const int top = std::max(0, std::min(y0, y1) - reach);
    const int right = std::min(Width() - 1, std::max(x0, x1) + reach);
    const int bottom = std::min(Height() - 1, std::max(y0, y1) + reach);
    if (left > right || top > bottom)
        return;
    Touch(left, top, right, bottom);
    const int bw = right - left + 1;
    std::vector<uint8_t> cover(static_cast<size_t>(bw) * (bottom - top + 1), 0);
    auto stamp = [&](int cx, int cy) {
        for (const TTipRow& t : tip) {
            const int y = cy + t.dy;
            if (y < top || y > bottom)
                continue;
            const int xa = std::max(left, cx + t.x);
            const int xb = std::min(right, cx + t.x + t.len - 1);
            for (int x = xa; x <= xb; ++x)
                cover[static_cast<size_t>(y - top) * bw + (x - left)] = 1;
        }
    };
    WalkLine(x0, y0, x1, y1, -reach, Width() - 1 + reach, -reach, Height() - 1 + reach, stamp);
    stamp(x1, y1);
    for (int y = top; y <= bottom; ++y) {
        uint32_t* row = Row(y);
        const uint8_t* c = &cover[static_cast<size_t>(y - top) * bw];
        for (int x = left; x <= right; ++x)
            if (c[x - left])
                PlotOp(row + x, penRgb_);
    }
}

bool TCanvas::PrepareBox(int& x1, int& y1, int& x2, int& y2) {
    Prepare();
    if (image_->isNull())
        return false;
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    return x2 - x1 >= 1 && y2 - y1 >= 1;
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (!PrepareBox(x1, y1, x2, y2))
        return;
    const bool pen = penStyle_ == TPenStyle::Solid;
    const bool brush = brushStyle_ == TBrushStyle::Solid;
    if (!pen) {
        if (brush)
            FillBand(x1, y1, x2 - 1, y2 - 1, brushRgb_, true);
        return;
    }
    if (brush)
        FillBand(x1 + 1, y1 + 1, x2 - 2, y2 - 2, brushRgb_, true);
    // The pen is centred on the path through the outermost pixels; the four
    // bands are kept apart so each pixel is combined once.
    const int w = penWidth_;
    const int off = (w - 1) / 2;
    const int l0 = x1 - off, l1 = l0 + w - 1;
    const int t0 = y1 - off, t1 = t0 + w - 1;
    const int r1 = x2 - 1 - off + w - 1, r0 = std::max(x2 - 1 - off, l1 + 1);
    const int b1 = y2 - 1 - off + w - 1, b0 = std::max(y2 - 1 - off, t1 + 1);
    FillBand(l0, t0, r1, t1, penRgb_, true);
    if (b0 <= b1)
        FillBand(l0, b0, r1, b1, penRgb_, true);
    FillBand(l0, t1 + 1, l1, b0 - 1, penRgb_, true);
    if (r0 <= r1)
        FillBand(r0, t1 + 1, r1, b0 - 1, penRgb_, true);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (!PrepareBox(x1, y1, x2, y2))
        return;
    Touch(x1, y1, x2 - 1, y2 - 1);
    const int rows = y2 - y1;
    // Pixel centres inside the ellipse inscribed in the box, row by row.
    const double a = (x2 - x1) / 2.0;
    const double b = rows / 2.0;
    const double cx = x1 + a - 0.5;
    const double cy = y1 + b - 0.5;
    std::vector<int> spanL(rows), spanR(rows);
    for (int j = 0; j < rows; ++j) {
        const double v = (y1 + j - cy) / b;
        const double t = 1.0 - v * v;
        if (t < -1e-9) {
            spanL[j] = 1;
            spanR[j] = 0;
            continue;
        }
        const double half = a * std::sqrt(std::max(0.0, t));
        spanL[j] = static_cast<int>(std::ceil(cx - half - 1e-9));
        spanR[j] = static_cast<int>(std::floor(cx + half + 1e-9));
    }
    const bool pen = penStyle_ == TPenStyle::Solid;
    const bool brush = brushStyle_ == TBrushStyle::Solid;
    const int w = penWidth_;
    for (int j = 0; j < rows; ++j) {
        const int l = spanL[j], r = spanR[j];
        if (l > r)
            continue;
        const int y = y1 + j;
        if (!pen) {
            if (brush)
                HorizontalSpan(y, l, r, brushRgb_, true);
            continue;
        }
        // Interior: pixels whose neighbours up to w steps away along both
        // axes are inside too; the rest of the span is outline.
        int il = l + w, ir = r - w;
        for (int k = 1; k <= w; ++k) {
            for (int jj : {j - k, j + k}) {
                if (jj < 0 || jj >= rows || spanL[jj] > spanR[jj]) {
                    il = 1;
                    ir = 0;
                } else {
                    il = std::max(il, spanL[jj]);
                    ir = std::min(ir, spanR[jj]);
                }
            }
        }
        if (il > ir) {
            HorizontalSpan(y, l, r, penRgb_, true);
            continue;
        }
        HorizontalSpan(y, l, il - 1, penRgb_, true);
        if (brush)
            HorizontalSpan(y, il, ir, brushRgb_, true);
        HorizontalSpan(y, ir + 1, r, penRgb_, true);
    }
}

void TCanvas::FillRect(const QRect& r) {
    Prepare();
    if (image_->isNull() || r.isEmpty())
        return;
    FillBand(r.left(), r.top(), r.right(), r.bottom(), brushRgb_, false);
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    Prepare();
    if (image_->isNull())
        return;
    const QFont f = Font();
    const QFontMetrics fm(f);
    if (brushStyle_ == TBrushStyle::Solid)
        FillBand(x, y, x + fm.horizontalAdvance(text) - 1, y + fm.height() - 1, brushRgb_, false);
    Touch(x, y, x + fm.horizontalAdvance(text), y + fm.height());
    // Coordinates here are the picture's own pixels, whatever its ratio.
    const qreal ratio = image_->devicePixelRatio();
    if (ratio != 1.0)
        image_->setDevicePixelRatio(1.0);
    {
        QPainter p(image_);
        p.setFont(f);
        p.setPen(QColor::fromRgb(fontRgb_));
        p.drawText(x, y + fm.ascent(), text);
    }
    if (ratio != 1.0)
        image_->setDevicePixelRatio(ratio);
    pos_ = QPoint(x + fm.horizontalAdvance(text), y);
}

int TCanvas::TextWidth(const QString& text) const {
    return QFontMetrics(Font()).horizontalAdvance(text);
}

int TCanvas::TextHeight() const {
    return QFontMetrics(Font()).height();
}

QColor TCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return QColor();
    return QColor::fromRgb(image_->pixel(x, y));
}

std::vector<QRgb> TCanvas::Block(const QRect& r) const {
    std::vector<QRgb> pixels;
    pixels.reserve(static_cast<size_t>(r.width()) * r.height());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image_->constScanLine(y));
        pixels.insert(pixels.end(), row + r.left(), row + r.right() + 1);
    }
    return pixels;
}

void TCanvas::SetBlock(const QRect& r, const std::vector<QRgb>& pixels) {
    Prepare();
    Touch(r.left(), r.top(), r.right(), r.bottom());
    auto p = pixels.begin();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        uint32_t* row = Row(y);
        for (int x = r.left(); x <= r.right(); ++x)
            row[x] = *p++ | kOpaque;
    }
}

void TCanvas::SetPixel(int x, int y, const QColor& c) {
    Prepare();
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    Touch(x, y, x, y);
    Row(y)[x] = c.rgb() | kOpaque;
}

void TCanvas::FloodFill(int x, int y, const QColor& color, TFillStyle style) {
    Prepare();
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    const uint32_t target = color.rgb() | kOpaque;
    const uint32_t fill = brushRgb_;
    const uint32_t seed = Row(y)[x] | kOpaque;
    if (style == TFillStyle::Surface) {
        if (seed != target || fill == target)
            return; // nothing to spread over, or nothing would change
        AddDamage(ScanFill(
            *image_, x, y, [target](const uint32_t* row, int px) { return row[px] == target; },
            [fill](uint32_t* row, int px) { row[px] = fill; }));
        return;
    }
    if (seed == target)
        return;
    if (fill == target) {
        // Filled pixels become border pixels themselves.
        AddDamage(ScanFill(
            *image_, x, y, [target](const uint32_t* row, int px) { return row[px] != target; },
            [fill](uint32_t* row, int px) { row[px] = fill; }));
        return;
    }
    const int w = Width();
    std::vector<uint8_t> done(static_cast<size_t>(w) * Height(), 0);
    const uint32_t* base = Row(0);
    const qsizetype stride = image_->bytesPerLine() / 4;
    auto index = [&](const uint32_t* row, int px) {
        return static_cast<size_t>((row - base) / stride) * w + px;
    };
    AddDamage(ScanFill(
        *image_, x, y,
        [&](const uint32_t* row, int px) { return row[px] != target && !done[index(row, px)]; },
        [&](uint32_t* row, int px) {
            row[px] = fill;
            done[index(row, px)] = 1;
        }));
}

void TCanvas::FillRegions(const QColor& color, const std::vector<QPoint>& known,
                          const std::function<bool(const std::vector<QPoint>&)>& choose) {
    Prepare();
    const uint32_t target = color.rgb() | kOpaque;
    const uint32_t fill = brushRgb_;
    if (fill == target)
        return;
    const int w = Width();
    const int h = Height();
    // Runs of the colour, row by row, joined into regions by union-find.
    struct Run {
        int y, x1, x2;
    };
    std::vector<Run> runs;
    std::vector<int> rowStart(static_cast<size_t>(h) + 1, 0);
    for (int y = 0; y < h; ++y) {
        rowStart[y] = static_cast<int>(runs.size());
        // Read only: a picture shared with the screen is not copied for this.
        const auto* row = reinterpret_cast<const uint32_t*>(image_->constScanLine(y));
        const uint32_t* end = row + w;
        for (const uint32_t* p = std::find(row, end, target); p != end;) {
            const uint32_t* q = std::find_if(p, end, [target](uint32_t v) { return v != target; });
            runs.push_back({y, static_cast<int>(p - row), static_cast<int>(q - row) - 1});
            p = std::find(q, end, target);
        }
    }
    rowStart[h] = static_cast<int>(runs.size());
    std::vector<int> parent(runs.size());
    for (size_t i = 0; i < parent.size(); ++i)
        parent[i] = static_cast<int>(i);
    auto find = [&](int i) {
        while (parent[i] != i) {
            parent[i] = parent[parent[i]];
            i = parent[i];
        }
        return i;
    };
    for (int y = 1; y < h; ++y) {
        int a = rowStart[y - 1];
        const int aEnd = rowStart[y];
        for (int b = rowStart[y]; b < rowStart[y + 1]; ++b) {
            while (a < aEnd && runs[a].x2 < runs[b].x1)
                ++a;
            for (int k = a; k < aEnd && runs[k].x1 <= runs[b].x2; ++k) {
                const int ra = find(k), rb = find(b);
                if (ra != rb)
                    parent[std::max(ra, rb)] = std::min(ra, rb);
            }
        }
    }
    // The run that holds a point, or -1.
    auto runAt = [&](const QPoint& p) {
        if (p.y() < 0 || p.y() >= h)
            return -1;
        for (int k = rowStart[p.y()]; k < rowStart[p.y() + 1]; ++k)
            if (runs[k].x1 <= p.x() && p.x() <= runs[k].x2)
                return k;
        return -1;
    };
    const int n = static_cast<int>(runs.size());
    std::vector<int> root(n);
    for (int i = 0; i < n; ++i)
        root[i] = find(i);
    // Pixels per region; a region that holds a known point is left alone.
    std::vector<int> size(n, 0);
    for (int i = 0; i < n; ++i)
        size[root[i]] += runs[i].x2 - runs[i].x1 + 1;
    for (const QPoint& p : known)
        if (const int k = runAt(p); k >= 0)
            size[root[k]] = 0;
    // The runs of each remaining region, grouped by a counting sort.
    std::vector<int> first(n + 1, 0);
    for (int i = 0; i < n; ++i)
        if (size[root[i]] >= kMinRegion)
            ++first[root[i] + 1];
    for (int i = 0; i < n; ++i)
        first[i + 1] += first[i];
    std::vector<int> order(first[n]);
    std::vector<int> next(first.begin(), first.end() - 1);
    for (int i = 0; i < n; ++i)
        if (size[root[i]] >= kMinRegion)
            order[next[root[i]]++] = i;
    std::vector<QPoint> samples;
    for (int r = 0; r < n; ++r) {
        const int count = first[r + 1] - first[r];
        if (count == 0)
            continue;
        const int* m = order.data() + first[r];
        samples.clear();
        const int k = std::min(5, count);
        for (int s = 0; s < k; ++s) {
            const Run& run = runs[m[(2 * s + 1) * count / (2 * k)]];
            samples.emplace_back((run.x1 + run.x2) / 2, run.y);
        }
        if (!choose(samples))
            continue;
        for (int j = 0; j < count; ++j) {
            const Run& run = runs[m[j]];
            uint32_t* row = Row(run.y);
            std::fill(row + run.x1, row + run.x2 + 1, fill);
            Touch(run.x1, run.y, run.x2, run.y);
        }
    }
}
