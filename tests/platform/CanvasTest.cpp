// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Canvas.h"
#include "platform/Image.h"
#include "support/Pictures.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

QImage Blank(int w, int h, QRgb rgb = 0xFFFFFFFF) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(rgb);
    return image;
}

// Every pixel that differs from the background colour.
Pixels Painted(const QImage& image, QRgb background = 0xFFFFFFFF) {
    Pixels p;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                p.insert({x, y});
    return p;
}

void Line(TCanvas& c, QPoint from, QPoint to) {
    c.MoveTo(from.x(), from.y());
    c.LineTo(to.x(), to.y());
}

} // namespace

TEST(TCanvas, ThinLinesLeaveOutTheEndPointAndClippedOnesKeepTheirPixels) {
    QImage image = Blank(20, 20);
    TCanvas c(&image);
    c.SetPenColor(Qt::black);
    Line(c, {0, 0}, {5, 2});
    EXPECT_EQ(Painted(image), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
    EXPECT_EQ(c.PenPos(), QPoint(5, 2));

    image.fill(Qt::white);
    Line(c, {3, 10}, {3, 6}); // upwards, vertical
    c.LineTo(3, 6);           // zero length paints nothing, not even (3, 6)
    EXPECT_EQ(Painted(image), (Pixels{{3, 10}, {3, 9}, {3, 8}, {3, 7}}));

    // Clipped lines match the unclipped pixels: the same lines on a large
    // picture and, shifted, on a small window of it.
    const std::pair<QPoint, QPoint> lines[] = {
        {{-5000, -3000}, {7000, 4500}}, {{300, -20}, {-200, 90}}, {{-40, 55}, {140, 3}},
        {{17, 400}, {30, -400}},        {{-99, -1}, {99, 1}},     {{60, 61}, {-7000, -6000}}};
    for (const auto& [a, b] : lines) {
        const auto draw = [&](int size, QPoint shift) {
            QImage image = Blank(size, size);
            TCanvas c(&image);
            c.SetPenColor(Qt::black);
            Line(c, a + shift, b + shift);
            return image;
        };
        EXPECT_EQ(draw(100, {}), draw(400, {150, 150}).copy(150, 150, 100, 100))
            << a.x() << "," << a.y();
    }
}

TEST(TCanvas, MixModesCombinePenAndPicturePerPixel) {
    const QRgb bg[] = {0xFF123456, 0xFFFF00FF, 0xFF00FF00, 0xFF808080};
    const QImage before =
        QImage(reinterpret_cast<const uchar*>(bg), 4, 1, QImage::Format_RGB32).copy();
    QImage image = before;
    TCanvas c(&image);
    c.SetPenColor(QColor(0xC0, 0xC0, 0xC0));
    for (TPenMode mode : {TPenMode::Mask, TPenMode::NotXor}) {
        image = before;
        c.SetPenMode(mode);
        Line(c, {0, 0}, {4, 0});
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(image.pixel(x, 0),
                      (mode == TPenMode::Mask ? bg[x] & 0xFFC0C0C0 : ~(bg[x] ^ 0xFFC0C0C0)) |
                          0xFF000000)
                << x;
    }
    Line(c, {0, 0}, {4, 0}); // not-xor twice with one pen gives the picture back
    EXPECT_EQ(image, before);
}

TEST(TCanvas, RectanglesExcludeRightAndBottomEdges) {
    QImage image = Blank(10, 10);
    TCanvas c(&image);
    c.SetPenColor(Qt::red);
    c.SetBrushColor(Qt::blue);
    c.Rectangle(2, 2, 6, 5);
    EXPECT_EQ(PaintedBounds(image, qRgb(255, 255, 255)), QRect(2, 2, 4, 3));
    // In that box the pen rings the two pixels that take the brush.
    EXPECT_EQ(Painted(image.copy(2, 2, 4, 3), qRgb(255, 0, 0)), (Pixels{{1, 1}, {2, 1}}));
    EXPECT_TRUE(Painted(image.copy(3, 3, 2, 1), qRgb(0, 0, 255)).empty());
}

TEST(TCanvas, FillsStopAtOnePixelDiagonalOutlinesAndTheSurfaceAndBorderRulesDiffer) {
    // A one-pixel staircase from the top left to the bottom right: its
    // diagonal steps touch only at corners.
    QImage image = Blank(16, 16);
    TCanvas c(&image);
    c.SetPenColor(Qt::black);
    Line(c, {0, 0}, {16, 16});
    const QImage outline = image;

    c.SetBrushColor(Qt::red);
    c.FloodFill(10, 2, Qt::white, TFillStyle::Surface);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(image.pixel(x, y), x == y  ? qRgb(0, 0, 0)
                                         : x > y ? qRgb(255, 0, 0)
                                                 : 0xFFFFFFFF)
                << x << "," << y;

    image = outline;
    c.SetBrushColor(Qt::blue);
    c.FloodFill(2, 10, Qt::black, TFillStyle::Border);
    EXPECT_EQ(image.pixel(10, 2), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 15), qRgb(0, 0, 255));

    // Surface and border fills differ on mixed colours. Left half white,
    // right half a near-white; one red dot on the left.
    image = Blank(10, 4);
    QPainter(&image).fillRect(5, 0, 5, 4, QColor(255, 255, 254));
    image.setPixel(2, 2, qRgb(255, 0, 0));
    const QImage start = image;
    c.SetBrushColor(Qt::green);

    c.FloodFill(0, 0, Qt::white, TFillStyle::Surface); // exactly white only
    EXPECT_EQ(std::tuple(image.pixel(4, 3), image.pixel(2, 2), image.pixel(5, 0)),
              std::tuple(qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(255, 255, 254)));

    image = start;
    c.FloodFill(0, 0, Qt::blue, TFillStyle::Border); // no border: everything
    EXPECT_TRUE(Painted(image, qRgb(0, 255, 0)).empty());

    image = start;
    // None of these fills paints a pixel: the seed not green, the seed on the
    // border, the seed off the picture.
    c.FloodFill(0, 0, Qt::green, TFillStyle::Surface);
    c.FloodFill(2, 2, Qt::red, TFillStyle::Border);
    c.FloodFill(-1, 2, Qt::red, TFillStyle::Border);
    EXPECT_EQ(image, start);
}

// The damage box is what the picture control repaints: it must hold every
// changed pixel, stay clipped to the picture, and be empty once taken.
TEST(TCanvas, DamageCoversEveryChangedPixelAndIsTakenOnce) {
    QImage image = Blank(100, 80);
    TCanvas c(&image);
    EXPECT_TRUE(c.Damage().isEmpty());
    auto changedBox = [&](auto draw) {
        const QImage before = image;
        c.TakeDamage();
        draw();
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != before.pixel(x, y))
                    box |= QRect(x, y, 1, 1);
        const QRect damage = c.TakeDamage();
        EXPECT_TRUE(damage.contains(box) || box.isEmpty())
            << "changed " << box.x() << "," << box.y() << " " << box.width() << "x" << box.height();
        return std::pair(box, damage);
    };
    c.SetPenColor(Qt::black);
    EXPECT_EQ(changedBox([&] { Line(c, {10, 10}, {30, 20}); }).second, QRect(10, 10, 21, 11));
    c.SetPenWidth(3);
    changedBox([&] { Line(c, {-5, 40}, {20, 45}); }); // clipped at the left edge
    c.SetPenWidth(1);
    c.SetBrushColor(Qt::red);
    changedBox([&] { c.Ellipse(50, 40, 60, 48); });
    changedBox([&] { c.TextOut(5, 60, QStringLiteral("Oslo")); });
    // A closed square outline: the fill stays inside it, and so does the damage.
    image.fill(Qt::white);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.Rectangle(20, 50, 40, 70);
    c.SetBrushColor(Qt::blue);
    EXPECT_EQ(changedBox([&] { c.FloodFill(30, 60, Qt::white, TFillStyle::Surface); }),
              std::pair(QRect(21, 51, 18, 18), QRect(21, 51, 18, 18)));
    // A fill that changes nothing damages nothing; the whole picture at most.
    EXPECT_TRUE(
        changedBox([&] { c.FloodFill(30, 60, Qt::white, TFillStyle::Surface); }).second.isEmpty());
    c.SetPenWidth(9);
    c.SetBrushStyle(TBrushStyle::Clear);
    EXPECT_EQ(changedBox([&] { c.Rectangle(-2, -2, 102, 82); }).second, QRect(0, 0, 100, 80));
}

// At ratio 2 the picture has twice the control's pixels: a press lands on
// its own picture pixel, changes repaint the control pixels that show them,
// and text is drawn in picture pixels with a font twice as large.
TEST(TImage, APictureAtRatioTwoMapsPressesAndChangesToItsOwnPixels) {
    TImage image;
    image.resize(50, 40);
    QImage picture = Blank(100, 80);
    picture.setDevicePixelRatio(2);
    image.SetPicture(picture);
    EXPECT_EQ(std::tuple(image.PixelWidth(), image.PixelHeight(), image.PixelRatio()),
              std::tuple(100, 80, 2.0));
    EXPECT_TRUE(image.testAttribute(Qt::WA_OpaquePaintEvent));

    QList<QPoint> presses;
    QObject::connect(&image, &TImage::MouseDown,
                     [&](int x, int y, Qt::MouseButton) { presses << QPoint(x, y); });
    for (const QPointF at : {QPointF(10, 20), QPointF(10.5, 20.5)}) {
        QMouseEvent press(QEvent::MouseButtonPress, at, image.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&image, &press);
    }
    EXPECT_EQ(presses, (QList<QPoint>{{20, 40}, {21, 41}}));
    // Odd picture pixels widen the control rectangle outwards.
    EXPECT_EQ(image.ToControl(QRect(3, 4, 3, 2)), QRect(1, 2, 2, 1));

    TCanvas& c = image.Canvas();
    QImage plain = Blank(100, 80);
    TCanvas p(&plain);
    EXPECT_GE(c.TextHeight(), 2 * p.TextHeight() - 2);
    c.SetBrushStyle(TBrushStyle::Clear);
    c.TextOut(60, 50, QStringLiteral("Oslo"));
    // In picture pixels, not doubled again (and drawn at all: an empty box is at 0).
    EXPECT_GE(PaintedBounds(image.Picture(), 0xFFFFFFFF).left(), 60);
    EXPECT_FALSE(c.Pixel(100, 0).isValid());
    c.SetPixel(3, 4, QColor(1, 2, 3));
    EXPECT_EQ(c.Pixel(3, 4), QColor(1, 2, 3));
    // Text in an opaque box without antialiasing: only the box and text colours.
    p.SetBrushColor(Qt::yellow);
    p.TextOut(10, 10, "Oslo");
    const int tw = p.TextWidth("Oslo"), th = p.TextHeight();
    EXPECT_EQ(p.Pixel(10 + tw - 1, 10 + th - 1), QColor(Qt::yellow));
    for (const auto& [x, y] : Painted(plain.copy(10, 10, tw, th), qRgb(255, 255, 0)))
        ASSERT_EQ(plain.pixel(10 + x, 10 + y), qRgb(0, 0, 0)) << x << "," << y;

    // A picture with see-through pixels, or smaller than the control, lets
    // what is behind it show.
    image.SetPicture(QImage(20, 20, QImage::Format_RGB32));
    EXPECT_FALSE(image.testAttribute(Qt::WA_OpaquePaintEvent));
    image.SetStretch(true);
    EXPECT_TRUE(image.testAttribute(Qt::WA_OpaquePaintEvent));
    image.SetPicture(QImage(50, 40, QImage::Format_ARGB32));
    EXPECT_FALSE(image.testAttribute(Qt::WA_OpaquePaintEvent));
}
