// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The circle window's chart of the circle's parts and the triangle window's two charts.
#include "drawing.h"
#include "pictures.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace {

const QColor black(0x00, 0x00, 0x00);
const QColor white(0xFF, 0xFF, 0xFF);

void caption(QPainter& p, const char* text, qreal size, QPoint centre) {
    draw::drawTextCentred(p, QString::fromUtf8(text), size, centre, black);
}

QRect box(int left, int right, int top, int bottom) {
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// A point at `radius` from the middle of pixel `centre`, at `degrees` counter-clockwise from
// three o'clock (y grows downward, so up is negative y).
QPointF polar(QPointF centre, qreal radius, qreal degrees) {
    const qreal a = degrees * std::numbers::pi / 180;
    return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

QRectF square(QPointF centre, qreal radius) {
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

// Direction of b seen from a, in degrees counter-clockwise from three o'clock.
qreal bearing(QPointF a, QPointF b) {
    return std::atan2(-(b.y() - a.y()), b.x() - a.x()) * 180 / std::numbers::pi;
}

// Triangle with a white inside and 1-pixel black sides through the pixel corners given.
void whiteTriangle(QImage& image, QPoint a, QPoint b, QPoint c) {
    {
        QPainter p(&image);
        p.setPen(Qt::NoPen);
        p.setBrush(white);
        p.drawPolygon(QPolygonF({draw::mid(a), draw::mid(b), draw::mid(c)}));
    }
    draw::plotOutline(image, {a, b, c}, black);
}

} // namespace

QImage drawCircleChart(int scale) {
    const QColor background(0xC7, 0xE8, 0xE1);
    const QColor frameDark(0x50, 0x64, 0x62), frameLight(0x72, 0x86, 0x84);
    const QColor ring(0x13, 0x39, 0x2E), cyan(0x2C, 0xA8, 0xC4);
    constexpr qreal radius = 18.5; // circles 37 pixels across
    constexpr qreal ringPen = 1.6, markPen = 2.5;
    constexpr QPoint radiusAt{29, 38}, perimeterAt{101, 39}, diameterAt{174, 40};
    constexpr QPoint sectorAt{28, 118}, arcAt{100, 118}, chordAt{171, 120};
    constexpr int upperCaptionRow = 70, lowerCaptionRow = 149;
    constexpr qreal upperCaptionSize = 8.3, lowerCaptionSize = 10;

    QImage image = draw::newImage(202, 160, scale, QImage::Format_RGB32);
    image.fill(background);
    const int right = draw::logicalWidth(image) - 1, bottom = draw::logicalHeight(image) - 1;
    draw::plotLine(image, {0, 0}, {right, 0}, frameDark);
    draw::plotLine(image, {0, 0}, {0, bottom}, frameDark);
    draw::plotLine(image, {right, 1}, {right, bottom}, frameLight);
    draw::plotLine(image, {1, bottom}, {right, bottom}, frameLight);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw::drawTextInBox(p, QString::fromUtf8("مكونات الدائرة"), box(150, 195, 5, 13), black);

    const QPen markPenStyle(cyan, markPen, Qt::SolidLine, Qt::FlatCap);
    p.setBrush(Qt::NoBrush);
    for (QPoint c : {radiusAt, perimeterAt, diameterAt, sectorAt, arcAt, chordAt}) {
        p.setPen(QPen(ring, ringPen));
        p.drawEllipse(square(draw::mid(c), radius));
    }

    // Diameter: through the centre from edge to edge, an arrowhead at each end.
    {
        const QPointF c = draw::mid(diameterAt);
        const QPointF left = c - QPointF(radius - 1, 0), rightEnd = c + QPointF(radius - 1, 0);
        p.setPen(markPenStyle);
        p.drawLine(left + QPointF(3, 0), rightEnd - QPointF(3, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(cyan);
        p.drawPolygon(QPolygonF({left, left + QPointF(5, -3), left + QPointF(5, 3)}));
        p.drawPolygon(QPolygonF({rightEnd, rightEnd + QPointF(-5, -3), rightEnd + QPointF(-5, 3)}));
        p.setBrush(Qt::NoBrush);
    }
    // Perimeter: a ring just outside the circle, broken at the upper right.
    {
        constexpr qreal outer = 24.5; // about 49 across
        constexpr int gapFrom = 30, gapTo = 60;
        p.setPen(markPenStyle);
        p.drawArc(square(draw::mid(perimeterAt), outer), gapTo * 16,
                  (360 - (gapTo - gapFrom)) * 16);
    }
    // Radius: from the centre to the right edge.
    p.setPen(markPenStyle);
    p.drawLine(draw::mid(radiusAt), draw::mid(radiusAt) + QPointF(radius, 0));
    // Chord: horizontal, 10 pixels below the centre, from edge to edge.
    {
        constexpr qreal below = 10;
        const qreal half = std::sqrt(radius * radius - below * below);
        const QPointF c = draw::mid(chordAt) + QPointF(0, below);
        p.drawLine(c - QPointF(half, 0), c + QPointF(half, 0));
    }
    // Arc: a bracket outside the circle from ten to twelve o'clock, ticked at both ends.
    {
        constexpr qreal bracket = 23;
        constexpr int from = 90, to = 150; // twelve and ten o'clock
        const QPointF c = draw::mid(arcAt);
        p.drawArc(square(c, bracket), from * 16, (to - from) * 16);
        for (int end : {from, to})
            p.drawLine(polar(c, bracket - 3, end), polar(c, bracket + 3, end));
    }
    // Sector: a solid wedge from the centre, between nine and eight o'clock.
    {
        constexpr int from = 180, span = 30;
        p.setPen(Qt::NoPen);
        p.setBrush(cyan);
        p.drawPie(square(draw::mid(sectorAt), radius - 0.8), from * 16, span * 16);
    }

    caption(p, "نصف القطر", upperCaptionSize, {radiusAt.x(), upperCaptionRow});
    caption(p, "المحيط", upperCaptionSize, {perimeterAt.x(), upperCaptionRow});
    caption(p, "القطر", upperCaptionSize, {diameterAt.x(), upperCaptionRow});
    caption(p, "القطاع", lowerCaptionSize, {sectorAt.x(), lowerCaptionRow});
    caption(p, "القوس", lowerCaptionSize, {arcAt.x(), lowerCaptionRow});
    caption(p, "الوتر", lowerCaptionSize, {chordAt.x(), lowerCaptionRow});
    return image;
}

QImage drawTriangleParts(int scale) {
    const QColor background(0xE8, 0xF1, 0xD6), frame(0x10, 0x10, 0x10), edge(0x80, 0x83, 0x78);
    const QColor arcColour(0x3A, 0x48, 0x6E), arcTint(0xE4, 0xF8, 0xFC), leader(0x90, 0x90, 0x90);
    constexpr QPoint left{18, 73}, top{160, 13}, corner{160, 73};
    constexpr qreal wordSize = 8.3;

    QImage image = draw::newImage(217, 96, scale, QImage::Format_RGB32);
    image.fill(background);
    const int right = draw::logicalWidth(image) - 1, bottom = draw::logicalHeight(image) - 1;
    draw::plotLine(image, {0, 0}, {0, bottom}, edge);
    draw::plotOutline(
        image, {QPoint(1, 0), QPoint(right, 0), QPoint(right, bottom), QPoint(1, bottom)}, frame);
    whiteTriangle(image, left, top, corner);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Angle arcs: a small one at the sharp left angle, larger tinted ones at the right.
    const qreal slope = bearing(draw::mid(left), draw::mid(top)); // the hypotenuse's rise
    p.setPen(QPen(arcColour, 1.4));
    p.setBrush(Qt::NoBrush);
    constexpr qreal smallArc = 8, largeArc = 10;
    p.drawArc(square(draw::mid(left), smallArc), 0, int(slope * 16));
    p.setBrush(arcTint);
    p.drawPie(square(draw::mid(top), largeArc), int((180 + slope) * 16), int((90 - slope) * 16));
    p.drawPie(square(draw::mid(corner), largeArc), 90 * 16, 90 * 16);
    p.setBrush(Qt::NoBrush);

    // "زوايا" with leader lines to the three arcs, the right two spread like "<".
    const QRectF angles =
        draw::drawTextInBox(p, QString::fromUtf8("زوايا"), box(103, 117, 47, 54), black);
    p.setPen(QPen(leader, 0.8));
    p.drawLine(QPointF(angles.left() - 1, angles.center().y()),
               polar(draw::mid(left), smallArc + 1, slope / 2));
    const QPointF fork(angles.right() + 1, angles.center().y());
    p.drawLine(fork, polar(draw::mid(top), largeArc, 180 + slope + (90 - slope) / 2));
    p.drawLine(fork, polar(draw::mid(corner), largeArc, 135));

    // Each side and vertex named, joined to it by a short black line.
    p.setPen(QPen(black, 1));
    auto link = [&](QPointF a, QPointF b) { p.drawLine(a, b); };
    const QString side = QString::fromUtf8("ضلع"), vertex = QString::fromUtf8("رأس");
    const qreal hypotenuseAt92 =
        left.y() - (92.0 - left.x()) * (left.y() - top.y()) / (top.x() - left.x());
    draw::drawTextCentred(p, side, wordSize, {92, 16}, black);
    link({92.5, 24}, {92.5, hypotenuseAt92 + 0.5});
    const QRectF rightSide = draw::drawTextCentred(p, side, wordSize, {202, 43}, black);
    link({top.x() + 1.0, 44.5}, {rightSide.left() - 1, 44.5});
    draw::drawTextCentred(p, side, wordSize, {82, 88}, black);
    link({82.5, left.y() + 1.0}, {82.5, 86});

    const QRectF leftVertex = draw::drawTextCentred(p, vertex, wordSize, {11, 42}, black);
    link({left.x() + 0.5, left.y() - 1.0}, {left.x() + 0.5, leftVertex.bottom() + 1});
    const QRectF topVertex = draw::drawTextCentred(p, vertex, wordSize, {195, 12}, black);
    link({top.x() + 1.0, top.y() + 0.5}, {topVertex.left() - 1, top.y() + 0.5});
    const QRectF cornerVertex = draw::drawTextCentred(p, vertex, wordSize, {196, 76}, black);
    link({corner.x() + 1.0, corner.y() + 0.5}, {cornerVertex.left() - 1, corner.y() + 0.5});
    return image;
}

namespace {

const QColor tickColour(0x2A, 0x4F, 0x7F);
const QColor angleRed(0xE0, 0x10, 0x10);

// A short tick across the middle of side a–b: marks sides of equal length.
void tick(QPainter& p, QPoint a, QPoint b) {
    const QPointF pa = draw::mid(a), pb = draw::mid(b);
    const QPointF m = (pa + pb) / 2, d = pb - pa;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len * 4, d.x() / len * 4);
    p.setPen(QPen(tickColour, 1.6));
    p.drawLine(m - n, m + n);
}

// A red arc inside the angle at `at` between the sides to a and b, with a small cross on it:
// marks equal angles.
void angleMark(QPainter& p, QPoint at, QPoint a, QPoint b) {
    constexpr qreal radius = 8;
    const QPointF c = draw::mid(at);
    qreal from = bearing(c, draw::mid(a)), to = bearing(c, draw::mid(b));
    qreal span = to - from;
    while (span > 180)
        span -= 360;
    while (span < -180)
        span += 360;
    p.setPen(QPen(angleRed, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(square(c, radius), int(from * 16), int(span * 16));
    const QPointF x = polar(c, radius, from + span / 2);
    p.drawLine(x + QPointF(-2, -2), x + QPointF(2, 2));
    p.drawLine(x + QPointF(-2, 2), x + QPointF(2, -2));
}

} // namespace

QImage drawTriangleKinds(int scale) {
    const QColor background(0xEA, 0xF3, 0xD8), frame(0x10, 0x10, 0x10), edge(0x80, 0x81, 0x7C);
    const QColor boxFill(0xB8, 0xB8, 0xB8), boxEdge(0x80, 0x80, 0x80);
    constexpr qreal captionSize = 10;
    constexpr int captionBelowBase = 12;

    QImage image = draw::newImage(218, 266, scale, QImage::Format_RGB32);
    image.fill(background);
    const int right = draw::logicalWidth(image) - 1, bottom = draw::logicalHeight(image) - 1;
    draw::plotLine(image, {0, bottom}, {right, bottom}, edge);
    draw::plotOutline(
        image, {QPoint(0, 0), QPoint(right, 0), QPoint(right, bottom - 1), QPoint(0, bottom - 1)},
        frame);

    struct Kind {
        const char* name;
        QPoint a, b, c; // the base a–b, then the third vertex
    };
    const Kind scalene{"مختلف الأضلاع", QPoint(24, 85), QPoint(92, 85), QPoint(33, 27)};
    const Kind isosceles{"متساوي الساقين", QPoint(136, 85), QPoint(181, 85), QPoint(158, 10)};
    const Kind equilateral{"متساوي الأضلاع", QPoint(27, 171), QPoint(91, 171), QPoint(59, 113)};
    const Kind acute{"حاد الزوايا", QPoint(118, 171), QPoint(194, 171), QPoint(165, 114)};
    const Kind rightAngled{"قائم الزاوية", QPoint(22, 240), QPoint(95, 240), QPoint(95, 194)};
    const Kind obtuse{"منفرج الزاوية", QPoint(113, 240), QPoint(167, 240), QPoint(196, 189)};
    for (const Kind& k : {scalene, isosceles, equilateral, acute, rightAngled, obtuse})
        whiteTriangle(image, k.a, k.b, k.c);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Kind& k : {scalene, isosceles, equilateral, acute, rightAngled, obtuse}) {
        const int leftmost = std::min({k.a.x(), k.b.x(), k.c.x()});
        const int rightmost = std::max({k.a.x(), k.b.x(), k.c.x()});
        caption(p, k.name, captionSize, {(leftmost + rightmost) / 2, k.a.y() + captionBelowBase});
    }

    tick(p, isosceles.a, isosceles.c);
    tick(p, isosceles.b, isosceles.c);
    angleMark(p, isosceles.a, isosceles.b, isosceles.c);
    angleMark(p, isosceles.b, isosceles.c, isosceles.a);

    tick(p, equilateral.a, equilateral.b);
    tick(p, equilateral.b, equilateral.c);
    tick(p, equilateral.c, equilateral.a);
    angleMark(p, equilateral.a, equilateral.b, equilateral.c);
    angleMark(p, equilateral.b, equilateral.c, equilateral.a);
    angleMark(p, equilateral.c, equilateral.a, equilateral.b);
    p.end();

    // The right angle's small grey square, inside the corner at the bottom right.
    constexpr int side = 12;
    const QPoint corner = rightAngled.b;
    const QRect square(corner.x() - side, corner.y() - side, side, side);
    for (int y = square.top() + 1; y < square.bottom() + 1; ++y)
        for (int x = square.left() + 1; x < square.right() + 1; ++x)
            draw::setPixel(image, x, y, boxFill.rgb());
    draw::plotLine(image, square.topLeft(), {corner.x(), square.top()}, boxEdge);
    draw::plotLine(image, square.topLeft(), {square.left(), corner.y()}, boxEdge);
    return image;
}
