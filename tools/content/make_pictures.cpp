// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the shipped pictures: the logo column of the main menu, the white
// template bitmap, the two icons of the multiple-choice screen, the two bands
// of the top-ten screen and the two flowers of the top list; and, given a second
// folder, the program's icon for the desktop in every size and as SVG. The
// decorative pictures are drawn a second time at double size into 2x/.
// Text is drawn as outlines of a font file loaded by path, so that the result
// does not depend on which fonts the desktop would pick.
#include "PictureFiles.h"
#include "ToolMain.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cstdio>
#include <vector>

namespace {

const QColor kFrame(40, 90, 160); // the dark blue of the frames the pictures sit on
const QColor kGold(255, 208, 64);
const QColor kGoldDark(190, 120, 20);
const QColor kShadow(12, 36, 84);
const char* const kFontFile = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";

QString gFontFamily;

QImage Canvas(int w, int h, const QColor& background) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

// A decorative picture drawn `scale` times larger: the painter works in the
// small picture's coordinates, so the motif, pen widths included, is the
// same, only with more pixels. Scale 1 leaves the painter untouched so the
// small pictures stay exactly as they were.
QImage Canvas(int w, int h, const QColor& background, int scale) {
    return Canvas(w * scale, h * scale, background);
}

void Scale(QPainter& p, int scale) {
    if (scale != 1)
        p.scale(scale, scale);
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
}

// The globe's land in unit coordinates of its disc (x right, y down): the
// Americas on the left, Europe and Africa on the right, Greenland at the top.
// The logo and the program's icon (also as SVG) draw the same outlines.
const QColor kLandColour(70, 176, 70);
const QColor kLandEdge(30, 110, 40);
const std::vector<std::vector<QPointF>> kLand = {
    {{-0.95, -0.75},
     {-0.55, -0.85},
     {-0.35, -0.6},
     {-0.5, -0.35},
     {-0.62, -0.15},
     {-0.45, 0.0},
     {-0.3, 0.1},
     {-0.25, 0.35},
     {-0.4, 0.7},
     {-0.5, 0.95},
     {-0.6, 0.6},
     {-0.75, 0.25},
     {-0.85, 0.05},
     {-1.0, -0.2}},
    {{0.15, -0.85},
     {0.45, -0.9},
     {0.7, -0.7},
     {0.55, -0.5},
     {0.35, -0.45},
     {0.5, -0.35},
     {0.75, -0.3},
     {0.85, -0.05},
     {0.7, 0.25},
     {0.55, 0.55},
     {0.4, 0.75},
     {0.3, 0.55},
     {0.25, 0.2},
     {0.05, 0.05},
     {0.0, -0.25},
     {0.15, -0.45},
     {0.05, -0.6}},
    {{-0.3, -0.95}, {0.05, -1.0}, {0.0, -0.8}, {-0.2, -0.72}},
};

QPainterPath Polygon(const QPointF& centre, double scale, const std::vector<QPointF>& points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        const QPointF q = centre + pt * scale;
        if (first)
            path.moveTo(q);
        else
            path.lineTo(q);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// A globe seen over the Atlantic: lit sea, green land, a grid of meridians and
// parallels, and a light rim so it stands out on the dark blue.
// A small globe (an icon of 24 pixels or less) leaves out the grid and the
// land's edge, which would only smear.
void DrawGlobe(QPainter& p, const QPointF& c, double r, bool small = false) {
    Smooth(p);
    QPainterPath disc;
    disc.addEllipse(c, r, r);

    QRadialGradient sea(c + QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    sea.setColorAt(0, QColor(120, 196, 255));
    sea.setColorAt(0.6, QColor(30, 110, 210));
    sea.setColorAt(1, QColor(10, 40, 120));
    p.fillPath(disc, sea);

    p.save();
    p.setClipPath(disc);
    if (small)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(kLandEdge, std::max(1.0, r / 30)));
    p.setBrush(kLandColour);
    for (const auto& land : kLand)
        p.drawPath(Polygon(c, r, land));

    // The grid.
    p.setBrush(Qt::NoBrush);
    if (small)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(QColor(255, 255, 255, 70), std::max(0.8, r / 40)));
    for (double k : {0.35, 0.75})
        p.drawEllipse(c, r * k, r);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    for (double lat : {-0.5, 0.0, 0.5}) {
        const double y = c.y() + lat * r;
        const double half = r * std::sqrt(1 - lat * lat);
        p.drawLine(QPointF(c.x() - half, y), QPointF(c.x() + half, y));
    }

    // Light from the upper left, shade to the lower right.
    QRadialGradient shine(c + QPointF(-r * 0.45, -r * 0.5), r * 0.7);
    shine.setColorAt(0, QColor(255, 255, 255, 110));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(disc, shine);
    QRadialGradient shade(c + QPointF(-r * 0.3, -r * 0.3), r * 1.4);
    shade.setColorAt(0.6, QColor(0, 0, 40, 0));
    shade.setColorAt(1, QColor(0, 0, 40, 120));
    p.fillPath(disc, shade);
    p.restore();

    p.setPen(QPen(QColor(210, 235, 255), small ? r / 11 : std::max(1.0, r / 22)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
}

// A letter of the logo, centred on a point, gold with a dark shadow.
void DrawLetter(QPainter& p, const QString& letter, const QPointF& centre, int pixels) {
    QFont font(gFontFamily);
    font.setPixelSize(pixels);
    QPainterPath path;
    path.addText(0, 0, font, letter);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    Smooth(p);
    p.fillPath(path.translated(3, 3), kShadow);
    QLinearGradient fill(0, path.boundingRect().top(), 0, path.boundingRect().bottom());
    fill.setColorAt(0, QColor(255, 236, 140));
    fill.setColorAt(1, kGold.darker(115));
    p.fillPath(path, fill);
    p.strokePath(path, QPen(kGoldDark, 1));
}

// The logo: the name running down the column, its O a globe.
QImage Logo(int scale) {
    QImage image = Canvas(120, 423, kFrame, scale);
    QPainter p(&image);
    Scale(p, scale);
    const QString name = QStringLiteral("GLOBINA");
    const double cell = 423.0 / name.size();
    for (int i = 0; i < name.size(); ++i) {
        const QPointF centre(60, cell * (i + 0.5));
        if (name[i] == QLatin1Char('O'))
            DrawGlobe(p, centre, 29);
        else
            DrawLetter(p, name.mid(i, 1), centre, 54);
    }
    return image;
}

QPainterPath Star(const QPointF& c, double outer, double inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 ? inner : outer;
        const QPointF q = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    return path;
}

void DrawStar(QPainter& p, const QPointF& c, double size) {
    Smooth(p);
    const QPainterPath star = Star(c, size, size * 0.45);
    p.fillPath(star.translated(1.5, 1.5), kShadow);
    QRadialGradient fill(c - QPointF(size * 0.3, size * 0.3), size * 1.2);
    fill.setColorAt(0, QColor(255, 246, 190));
    fill.setColorAt(1, kGold);
    p.fillPath(star, fill);
    p.strokePath(star, QPen(kGoldDark, 1));
}

// A laurel branch: leaves in pairs along a curve from `from` to `to`.
void DrawLaurel(QPainter& p, const QPointF& from, const QPointF& to, double bend, int pairs) {
    Smooth(p);
    const QPointF mid = (from + to) / 2 + QPointF(0, bend);
    QPainterPath stem(from);
    stem.quadTo(mid, to);
    p.setPen(QPen(QColor(60, 130, 50), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    for (int i = 1; i <= pairs; ++i) {
        const double t = double(i) / (pairs + 1);
        const QPointF at = stem.pointAtPercent(t);
        const double angle = stem.angleAtPercent(t);
        for (int side : {-1, 1}) {
            p.save();
            p.translate(at);
            p.rotate(-angle + side * 50);
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.quadTo(4.5, -3.2, 9, 0);
            leaf.quadTo(4.5, 3.2, 0, 0);
            p.fillPath(leaf, QColor(110, 190, 80));
            p.strokePath(leaf, QPen(QColor(40, 110, 40), 0.8));
            p.restore();
        }
    }
}

// Above the top-ten list: a gold star between two laurel branches, with
// smaller stars along a gold line.
QImage BandAbove(int scale) {
    QImage image = Canvas(319, 37, kFrame, scale);
    QPainter p(&image);
    Scale(p, scale);
    Smooth(p);
    p.setPen(QPen(kGold, 1.5));
    p.drawLine(QPointF(6, 18.5), QPointF(106, 18.5));
    p.drawLine(QPointF(213, 18.5), QPointF(313, 18.5));
    for (double x : {20.0, 50.0, 80.0})
        DrawStar(p, QPointF(x, 18.5), 6);
    for (double x : {239.0, 269.0, 299.0})
        DrawStar(p, QPointF(x, 18.5), 6);
    DrawLaurel(p, QPointF(144, 33), QPointF(110, 6), 6, 5);
    DrawLaurel(p, QPointF(175, 33), QPointF(209, 6), 6, 5);
    DrawStar(p, QPointF(159.5, 17), 15);
    return image;
}

// Flower heads for the bands and icons.
void DrawBlossom(QPainter& p, const QPointF& c, double r, const QColor& petal, int petals,
                 const QColor& heart) {
    Smooth(p);
    for (int i = 0; i < petals; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 360.0 / petals - 90);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.cubicTo(r * 0.35, -r * 0.55, r * 1.0, -r * 0.45, r, 0);
        leaf.cubicTo(r * 1.0, r * 0.45, r * 0.35, r * 0.55, 0, 0);
        QRadialGradient g(QPointF(0, 0), r);
        g.setColorAt(0, petal.lighter(140));
        g.setColorAt(1, petal);
        p.fillPath(leaf, g);
        p.strokePath(leaf, QPen(petal.darker(150), 0.8));
        p.restore();
    }
    QRadialGradient g(c - QPointF(r * 0.12, r * 0.12), r * 0.4);
    g.setColorAt(0, heart.lighter(130));
    g.setColorAt(1, heart.darker(120));
    p.setPen(QPen(heart.darker(160), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, r * 0.3, r * 0.3);
}

// Below the list: a green vine with small flowers in the list's colours.
QImage BandBelow(int scale) {
    QImage image = Canvas(319, 37, kFrame, scale);
    QPainter p(&image);
    Scale(p, scale);
    Smooth(p);
    QPainterPath vine(QPointF(2, 18.5));
    for (int i = 0; i < 8; ++i) {
        const double x0 = 2 + i * 39.375;
        vine.cubicTo(QPointF(x0 + 13, 8), QPointF(x0 + 26, 29), QPointF(x0 + 39.375, 18.5));
    }
    p.setPen(QPen(QColor(90, 170, 70), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(vine);
    const QColor colours[] = {QColor(255, 120, 160), kGold, QColor(255, 255, 255),
                              QColor(255, 150, 60)};
    for (int i = 0; i < 9; ++i) {
        const QPointF c(2 + i * 39.375, 18.5);
        DrawBlossom(p, c, i == 4 ? 12 : 9, colours[i % 4], 5,
                    i % 4 == 1 ? QColor(200, 90, 20) : QColor(250, 200, 40));
    }
    // Leaves between the flowers.
    for (int i = 0; i < 8; ++i) {
        const double x = 21.7 + i * 39.375;
        for (int side : {-1, 1}) {
            p.save();
            p.translate(x, 18.5);
            p.rotate(side * 40 - 90);
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.quadTo(4, -3, 9, 0);
            leaf.quadTo(4, 3, 0, 0);
            p.fillPath(leaf, QColor(110, 190, 80));
            p.restore();
        }
    }
    return image;
}

void DrawStem(QPainter& p, const QPointF& top, const QPointF& bottom, double bend) {
    Smooth(p);
    QPainterPath stem(bottom);
    stem.quadTo((top + bottom) / 2 + QPointF(bend, 0), top);
    p.setPen(QPen(QColor(50, 140, 50), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
}

void DrawLeaf(QPainter& p, const QPointF& at, double angle, double length) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.35, length, 0);
    leaf.quadTo(length * 0.5, length * 0.35, 0, 0);
    p.fillPath(leaf, QColor(90, 180, 70));
    p.strokePath(leaf, QPen(QColor(40, 110, 40), 0.8));
    p.restore();
}

// The stalk of the multiple-choice screen's flower, standing at x.
void DrawMultiStalk(QPainter& p, double x) {
    DrawStem(p, QPointF(x, 16), QPointF(x, 36), -3);
    DrawLeaf(p, QPointF(x - 1, 29), -150, 10);
    DrawLeaf(p, QPointF(x - 0.5, 26), -30, 9);
}

// The multiple-choice screen's flower, on white.
QImage MultiFlower(int scale) {
    QImage image = Canvas(37, 37, Qt::white, scale);
    QPainter p(&image);
    Scale(p, scale);
    DrawMultiStalk(p, 18.5);
    DrawBlossom(p, QPointF(18.5, 13), 12, QColor(235, 70, 130), 6, QColor(255, 210, 40));
    return image;
}

// What is left when the flower is clicked: a bare stalk with its heart, and
// two petals falling away; the stalk stands further left to make room for them.
QImage MultiBare(int scale) {
    QImage image = Canvas(37, 37, Qt::white, scale);
    QPainter p(&image);
    Scale(p, scale);
    DrawMultiStalk(p, 14.5);
    Smooth(p);
    QRadialGradient g(QPointF(13, 11.5), 4.5);
    g.setColorAt(0, QColor(255, 230, 90));
    g.setColorAt(1, QColor(220, 160, 20));
    p.setPen(QPen(QColor(160, 110, 10), 0.8));
    p.setBrush(g);
    p.drawEllipse(QPointF(14.5, 13), 4, 4);
    const QColor petal(235, 70, 130);
    for (auto [x, y, a] : {std::tuple{27.0, 12.0, 30.0}, std::tuple{30.0, 25.0, -60.0}}) {
        p.save();
        p.translate(x, y);
        p.rotate(a);
        QPainterPath leaf;
        leaf.moveTo(-5, 0);
        leaf.cubicTo(-2, -4, 3, -3.5, 5, 0);
        leaf.cubicTo(3, 3.5, -2, 4, -5, 0);
        p.fillPath(leaf, petal.lighter(115));
        p.strokePath(leaf, QPen(petal.darker(150), 0.8));
        p.restore();
    }
    return image;
}

// Left of the top list's heading: a sunflower with a leaf, on dark blue.
QImage ListFlowerLeft(int scale) {
    QImage image = Canvas(45, 35, kFrame, scale);
    QPainter p(&image);
    Scale(p, scale);
    DrawStem(p, QPointF(24, 16), QPointF(20, 35), 4);
    DrawLeaf(p, QPointF(21.5, 28), -160, 13);
    DrawLeaf(p, QPointF(22.5, 24), -20, 12);
    DrawBlossom(p, QPointF(24, 14), 12.5, QColor(255, 196, 30), 10, QColor(130, 70, 20));
    return image;
}

// Right of the heading: a red tulip with two long leaves.
QImage ListFlowerRight(int scale) {
    QImage image = Canvas(37, 35, kFrame, scale);
    QPainter p(&image);
    Scale(p, scale);
    DrawStem(p, QPointF(18.5, 16), QPointF(18.5, 35), -2);
    DrawLeaf(p, QPointF(18, 34), -125, 16);
    DrawLeaf(p, QPointF(19, 34), -55, 15);
    Smooth(p);
    QPainterPath cup;
    cup.moveTo(9.5, 5);
    cup.lineTo(14, 9);
    cup.lineTo(18.5, 3);
    cup.lineTo(23, 9);
    cup.lineTo(27.5, 5);
    cup.cubicTo(29, 14, 26, 20, 18.5, 20);
    cup.cubicTo(11, 20, 8, 14, 9.5, 5);
    QLinearGradient g(9, 0, 28, 0);
    g.setColorAt(0, QColor(200, 20, 40));
    g.setColorAt(0.4, QColor(255, 90, 90));
    g.setColorAt(1, QColor(180, 10, 30));
    p.fillPath(cup, g);
    p.strokePath(cup, QPen(QColor(120, 0, 20), 0.9));
    p.setPen(QPen(QColor(120, 0, 20), 0.9));
    p.drawLine(QPointF(18.5, 8), QPointF(18.5, 19));
    return image;
}

// The program's icon: the logo's globe on a rounded tile of the frames' blue,
// ringed in the gold of the logo's letters. Geometry in pixels of a size x
// size picture; the SVG below follows the same numbers.
struct IconGeometry {
    double size, margin, corner, globe, ring, ringWidth;
    explicit IconGeometry(double s)
        : size(s), margin(s * 0.04), corner(s * 0.2), globe(s * 0.33), ring(s * 0.385),
          ringWidth(s * 0.05) {}
    QPointF Centre() const { return {size / 2, size / 2}; }
};
const QColor kTileTop(70, 130, 205);
const QColor kTileBottom(22, 52, 112);

QImage Icon(int size) {
    const IconGeometry g(size);
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Smooth(p);
    QLinearGradient tile(0, g.margin, 0, size - g.margin);
    tile.setColorAt(0, kTileTop);
    tile.setColorAt(1, kTileBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(g.margin, g.margin, size - 2 * g.margin, size - 2 * g.margin),
                      g.corner, g.corner);
    p.setPen(QPen(kGold, g.ringWidth));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(g.Centre(), g.ring, g.ring);
    DrawGlobe(p, g.Centre(), g.globe, size <= 24);
    return image;
}

QString Num(double v) {
    return QString::number(v, 'f', 2);
}

QString Rgb(const QColor& c) {
    return QStringLiteral("#%1%2%3")
        .arg(c.red(), 2, 16, QLatin1Char('0'))
        .arg(c.green(), 2, 16, QLatin1Char('0'))
        .arg(c.blue(), 2, 16, QLatin1Char('0'));
}

QString Stop(double at, const QColor& c) {
    return QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\" stop-opacity=\"%3\"/>")
        .arg(Num(at), Rgb(c), Num(c.alphaF()));
}

QString Radial(const char* id, const QPointF& c, double r,
               std::initializer_list<std::pair<double, QColor>> stops) {
    QString s = QStringLiteral("<radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                               "cx=\"%2\" cy=\"%3\" r=\"%4\">")
                    .arg(QLatin1String(id), Num(c.x()), Num(c.y()), Num(r));
    for (const auto& [at, colour] : stops)
        s += Stop(at, colour);
    return s + QStringLiteral("</radialGradient>\n");
}

// The icon as a scalable picture, at the largest size's geometry.
QByteArray IconSvg() {
    const IconGeometry g(256);
    const QPointF c = g.Centre();
    const double r = g.globe;
    QString s = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" "
                               "height=\"256\" viewBox=\"0 0 256 256\">\n<defs>\n");
    s += QStringLiteral("<linearGradient id=\"tile\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" "
                        "y1=\"%1\" x2=\"0\" y2=\"%2\">%3%4</linearGradient>\n")
             .arg(Num(g.margin), Num(g.size - g.margin), Stop(0, kTileTop), Stop(1, kTileBottom));
    s +=
        Radial("sea", c + QPointF(-r * 0.35, -r * 0.4), r * 1.5,
               {{0, QColor(120, 196, 255)}, {0.6, QColor(30, 110, 210)}, {1, QColor(10, 40, 120)}});
    s += Radial("shine", c + QPointF(-r * 0.45, -r * 0.5), r * 0.7,
                {{0, QColor(255, 255, 255, 110)}, {1, QColor(255, 255, 255, 0)}});
    s += Radial("shade", c + QPointF(-r * 0.3, -r * 0.3), r * 1.4,
                {{0.6, QColor(0, 0, 40, 0)}, {1, QColor(0, 0, 40, 120)}});
    s += QStringLiteral("<clipPath id=\"disc\"><circle cx=\"%1\" cy=\"%2\" r=\"%3\"/></clipPath>\n"
                        "</defs>\n")
             .arg(Num(c.x()), Num(c.y()), Num(r));
    s += QStringLiteral("<rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" "
                        "fill=\"url(#tile)\"/>\n")
             .arg(Num(g.margin), Num(g.size - 2 * g.margin), Num(g.corner));
    s += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" stroke=\"%4\" "
                        "stroke-width=\"%5\"/>\n")
             .arg(Num(c.x()), Num(c.y()), Num(g.ring), Rgb(kGold), Num(g.ringWidth));
    s += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#sea)\"/>\n")
             .arg(Num(c.x()), Num(c.y()), Num(r));
    s += QStringLiteral("<g clip-path=\"url(#disc)\">\n");
    for (const auto& land : kLand) {
        QString points;
        for (const QPointF& pt : land) {
            const QPointF q = c + pt * r;
            points += Num(q.x()) + QLatin1Char(',') + Num(q.y()) + QLatin1Char(' ');
        }
        s += QStringLiteral("<polygon points=\"%1\" fill=\"%2\" stroke=\"%3\" stroke-width=\"%4\" "
                            "stroke-linejoin=\"bevel\"/>\n")
                 .arg(points.trimmed(), Rgb(kLandColour), Rgb(kLandEdge), Num(r / 30));
    }
    s += QStringLiteral("<g fill=\"none\" stroke=\"#ffffff\" stroke-opacity=\"%1\" "
                        "stroke-width=\"%2\">\n")
             .arg(Num(70 / 255.0), Num(r / 40));
    for (double k : {0.35, 0.75})
        s += QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"/>\n")
                 .arg(Num(c.x()), Num(c.y()), Num(r * k), Num(r));
    s += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\"/>\n")
             .arg(Num(c.x()), Num(c.y() - r), Num(c.y() + r));
    for (double lat : {-0.5, 0.0, 0.5}) {
        const double half = r * std::sqrt(1 - lat * lat);
        s += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\"/>\n")
                 .arg(Num(c.x() - half), Num(c.y() + lat * r), Num(c.x() + half));
    }
    s += QStringLiteral("</g>\n");
    for (const char* light : {"shine", "shade"})
        s += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#%4)\"/>\n")
                 .arg(Num(c.x()), Num(c.y()), Num(r), QLatin1String(light));
    s += QStringLiteral("</g>\n<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" stroke=\"%4\" "
                        "stroke-width=\"%5\"/>\n</svg>\n")
             .arg(Num(c.x()), Num(c.y()), Num(r), Rgb(QColor(210, 235, 255)), Num(r / 22));
    return s.toUtf8();
}

// The icon sizes of the desktop's icon theme, in pixels.
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Writes <size>.png for every icon size and globina.svg into the folder.
bool WriteIcons(const QString& folder, QString* error) {
    for (int size : kIconSizes) {
        const QString name = folder + QStringLiteral("/%1.png").arg(size);
        if (!Icon(size).save(name, "PNG")) {
            *error = QStringLiteral("cannot write ") + name;
            return false;
        }
    }
    QFile svg(folder + QStringLiteral("/globina.svg"));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(IconSvg()) < 0) {
        *error = QStringLiteral("cannot write ") + svg.fileName();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    PreferOffscreen();
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3)
        return Usage(argv[0], "asset-folder [icon-folder]");
    const int id = QFontDatabase::addApplicationFont(kFontFile);
    if (id < 0) {
        std::fprintf(stderr, "cannot load %s (package fonts-liberation)\n", kFontFile);
        return 1;
    }
    gFontFamily = QFontDatabase::applicationFontFamilies(id).value(0);

    const QString dir = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    QString error;
    bool ok = true;
    auto gif = [&](const QImage& image, const QString& name, const QColor& background) {
        if (ok && !PictureFiles::WriteGif(image, dir + name, background, &error))
            ok = false;
    };
    // Each decorative picture also drawn at double size into 2x/, for
    // screens scaled above 100 %.
    const struct {
        QImage (*draw)(int scale);
        const char* name;
        QColor background;
    } pictures[] = {
        {Logo, "logo.gif", kFrame},
        {MultiFlower, "MultiBlomma.gif", Qt::white},
        {MultiBare, "MultiBar.gif", Qt::white},
        {BandAbove, "TioBand1.gif", kFrame},
        {BandBelow, "TioBand2.gif", kFrame},
        {ListFlowerLeft, "ListBlomma1.gif", kFrame},
        {ListFlowerRight, "ListBlomma2.gif", kFrame},
    };
    if (!QDir().mkpath(dir + "2x")) {
        std::fprintf(stderr, "cannot make %s2x\n", qPrintable(dir));
        return 1;
    }
    for (const auto& picture : pictures) {
        const QString name = QString::fromLatin1(picture.name);
        gif(picture.draw(1), name, picture.background);
        gif(picture.draw(2), QStringLiteral("2x/") + name, picture.background);
    }
    if (ok)
        ok = PictureFiles::WriteBmp24(Canvas(640, 480, Qt::white), dir + "bmptest.bmp", &error);
    if (ok && argc == 3)
        ok = WriteIcons(QString::fromLocal8Bit(argv[2]), &error);
    if (!ok) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
