// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The start window's clip art (cube, cone, ball, graph and compass) and the window icon, which
// shows a reduced copy of it on a grey panel.
#include "drawing.h"
#include "pictures.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace {

const QColor cubeFront(0xFA, 0xEF, 0x7A), cubeTop(0xFA, 0xE4, 0x04), cubeSide(0xAF, 0x7A, 0x04);
const QColor coneLit(0x2F, 0xA4, 0xE4), coneShade(0x04, 0x04, 0x64), coneEdge(0x04, 0x30, 0x70);
const QColor ballRed(0xFA, 0x1A, 0x44), ballShade(0xAF, 0x04, 0x04);
const QColor graphBlue(0xC4, 0xE4, 0xEF), graphGreen(0x04, 0xCF, 0x64);
const QColor compassBlack(0x04, 0x04, 0x04);
const QColor iconGraphArea(0xB4, 0xF0, 0xDC); // pale aquamarine

constexpr int artWidth = 239, artHeight = 155;

// The graph's curve over its base line: a small hump, a tall bell reaching the top edge and a
// medium hump, as a sum of three bells.
constexpr qreal graphLeft = 31, graphRight = 238, graphBase = 102;
qreal curveY(qreal x) {
    struct Bell {
        qreal centre, height, width;
    };
    constexpr Bell bells[] = {
        {46,  40, 11},
        {125, 98, 20},
        {198, 52, 17}
    };
    qreal rise = 0;
    for (const Bell& b : bells)
        rise += b.height * std::exp(-std::pow((x - b.centre) / b.width, 2));
    return graphBase - rise;
}

void paintGraph(QPainter& p, const QColor& area) {
    QPainterPath under;
    under.moveTo(graphLeft, graphBase);
    for (qreal x = graphLeft; x <= graphRight; x += 0.5)
        under.lineTo(x, curveY(x));
    under.lineTo(graphRight, graphBase);
    under.closeSubpath();
    p.fillPath(under, area);

    constexpr qreal gridStep = 8;
    p.save();
    p.setClipPath(under);
    p.setPen(QPen(graphGreen, 1));
    for (qreal x = graphLeft + gridStep; x < graphRight; x += gridStep)
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, graphBase));
    for (qreal y = graphBase - gridStep; y > 0; y -= gridStep)
        p.drawLine(QPointF(graphLeft, y + 0.5), QPointF(graphRight, y + 0.5));
    p.restore();

    QPainterPath curve;
    curve.moveTo(graphLeft, curveY(graphLeft));
    for (qreal x = graphLeft; x <= graphRight; x += 0.5)
        curve.lineTo(x, curveY(x));
    p.strokePath(curve, QPen(graphGreen, 2));
    p.setPen(QPen(graphGreen, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(graphLeft, graphBase), QPointF(graphRight + 1, graphBase));
}

void paintCone(QPainter& p) {
    const QPointF apex(83.5, 18);
    const QPointF footCentre(83.5, 113);
    constexpr qreal rx = 21, ry = 6; // x 62..104, foot down to y 119
    const QRectF foot(footCentre.x() - rx, footCentre.y() - ry, 2 * rx, 2 * ry);

    // Silhouette: apex to the foot's left, round the front of the foot, back to the apex.
    QPainterPath body;
    body.moveTo(apex);
    body.lineTo(footCentre.x() - rx, footCentre.y());
    body.arcTo(foot, 180, 180);
    body.closeSubpath();
    p.fillPath(body, coneLit);

    // The shaded part: the left third of the cone, from the apex.
    QPainterPath shade;
    shade.moveTo(apex);
    shade.lineTo(footCentre.x() - rx, footCentre.y());
    shade.arcTo(foot, 180, 62);
    shade.closeSubpath();
    p.fillPath(shade, coneShade);
    p.strokePath(body, QPen(coneEdge, 1.2));
}

void paintCube(QPainter& p) {
    // Seen from above and to the left: the back face lies up and to the left of the front.
    const QPointF depth(-16, -9);
    const QRectF front(16.5, 86.5, 48.5, 48.5); // x 16..65, y 86..135
    const QPolygonF top(
        {front.topLeft(), front.topRight(), front.topRight() + depth, front.topLeft() + depth});
    const QPolygonF side(
        {front.topLeft(), front.topLeft() + depth, front.bottomLeft() + depth, front.bottomLeft()});
    p.setPen(QPen(cubeSide, 1.2));
    p.setBrush(cubeTop);
    p.drawPolygon(top);
    p.setBrush(cubeSide);
    p.drawPolygon(side);
    p.setBrush(cubeFront);
    p.drawRect(front);
    p.setBrush(Qt::NoBrush);
}

void paintBall(QPainter& p) {
    const QPointF centre(122.5, 122);
    constexpr qreal radius = 32.5; // x 89..155, y 89..154
    QPainterPath ball;
    ball.addEllipse(centre, radius, radius);
    p.fillPath(ball, ballRed);
    // Shading along the lower left: the ball less a lit disc shifted up and to the right.
    QPainterPath lit;
    lit.addEllipse(centre + QPointF(7, -6), radius, radius);
    p.fillPath(ball.subtracted(lit), ballShade);
    p.strokePath(ball, QPen(ballShade, 1.2));
}

void paintCompass(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(compassBlack);
    const QPointF hinge(195.5, 16);
    // Handle on top of the hinge.
    p.drawRoundedRect(QRectF(193, 0, 5, 10), 1.5, 1.5);
    // Legs from the hinge down to their points, tapering but never thinner than a pixel.
    p.drawPolygon(QPolygonF({hinge + QPointF(-4.5, 3), hinge + QPointF(0, 3), QPointF(174.2, 127.5),
                             QPointF(172.6, 127.5)}));
    p.drawPolygon(QPolygonF({hinge + QPointF(0, 3), hinge + QPointF(4.5, 3), QPointF(218.4, 127.5),
                             QPointF(216.8, 127.5)}));
    // Ring-shaped hinge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(compassBlack, 3));
    p.drawEllipse(hinge, 5, 5);
    // Cross-bar beyond both legs, with a small upright screw at its middle.
    p.setPen(Qt::NoPen);
    p.setBrush(compassBlack);
    p.drawRect(QRectF(172, 61, 47, 3));
    p.drawRect(QRectF(194, 56, 3, 13));
    p.setBrush(Qt::NoBrush);
}

// Back to front: the graph behind everything, the cone behind the cube and the ball.
void paintClipArt(QPainter& p, const QColor& graphArea) {
    p.setRenderHint(QPainter::Antialiasing);
    paintGraph(p, graphArea);
    paintCompass(p);
    paintCone(p);
    paintCube(p);
    paintBall(p);
}

} // namespace

std::vector<QRgb> startPictureColours() {
    std::vector<QRgb> colours;
    for (const QColor& c : {cubeFront, cubeTop, cubeSide, coneLit, coneShade, coneEdge, ballRed,
                            ballShade, graphBlue, graphGreen, compassBlack})
        colours.push_back(c.rgb());
    return colours;
}

QImage drawStartPicture(int scale) {
    QImage image = draw::newImage(artWidth, artHeight, scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintClipArt(p, graphBlue);
    return image;
}

QImage drawWindowIcon(int scale) {
    QImage image = draw::newImage(iconWidth, iconHeight, scale, QImage::Format_RGB32);
    image.fill(Qt::black); // the masked columns
    const int panelLeft = iconLeftMasked, panelRight = iconWidth - iconRightMasked - 1;
    const int last = iconHeight - 1;
    // Panel shading downward from F3 to E8; an inner line from E9 to DE one pixel inside the top
    // and left edges; a mid grey right edge.
    auto grey = [&](int from, int to, int y) {
        const int v = from + int(std::lround(double(to - from) * y / last));
        return qRgb(v, v, v);
    };
    for (int y = 0; y <= last; ++y) {
        for (int x = panelLeft; x <= panelRight; ++x)
            draw::setPixel(image, x, y, grey(0xF3, 0xE8, y));
        if (y >= 1)
            draw::setPixel(image, panelLeft + 1, y, grey(0xE9, 0xDE, y));
    }
    for (int x = panelLeft + 1; x < panelRight; ++x)
        draw::setPixel(image, x, 1, grey(0xE9, 0xDE, 1));

    {
        // The clip art scaled to the panel's height, from the panel's left edge.
        QPainter p(&image);
        p.setClipRect(QRect(QPoint(panelLeft, 0), QPoint(panelRight - 1, last)));
        p.translate(panelLeft, 0);
        const qreal scale = qreal(iconHeight) / artHeight;
        p.scale(scale, scale);
        paintClipArt(p, iconGraphArea);
    }
    for (int y = 0; y <= last; ++y)
        draw::setPixel(image, panelRight, y, qRgb(0xAA, 0xAA, 0xAA));
    return image;
}
