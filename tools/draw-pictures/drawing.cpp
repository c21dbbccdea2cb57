// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawing.h"

#include <QFont>
#include <QFontDatabase>
#include <QTransform>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace draw {

namespace {

const char* const arabicFontFile = "/usr/share/fonts/truetype/noto/NotoSansArabicUI-Bold.ttf";
QString arabicFamily;

// Outlines are taken at this size and scaled, so fractional sizes come out exact.
constexpr int referenceSize = 100;

QRectF fillPath(QPainter& painter, const QPainterPath& path, const QColor& colour,
                const QString& text) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
    const QRectF r = path.boundingRect();
    if (verbose)
        std::fprintf(stderr,
                     "  %-16s x %6.1f..%6.1f  y %6.1f..%6.1f  centre (%.1f, %.1f)  h %.1f\n",
                     qPrintable(text), r.left(), r.right(), r.top(), r.bottom(),
                     r.center().x() - 0.5, r.center().y() - 0.5, r.height());
    return r;
}

QPainterPath placed(const QPainterPath& path, qreal scale, QPointF centre) {
    const QPointF c = path.boundingRect().center() * scale;
    QTransform t;
    t.translate(centre.x() - c.x(), centre.y() - c.y());
    t.scale(scale, scale);
    return t.map(path);
}

} // namespace

int lineSteps(QPoint a, QPoint b) {
    return std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
}

QImage newImage(int width, int height, int scale, QImage::Format format) {
    QImage image(width * scale, height * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

int logicalWidth(const QImage& image) {
    return image.width() / int(image.devicePixelRatio());
}

int logicalHeight(const QImage& image) {
    return image.height() / int(image.devicePixelRatio());
}

void setPixel(QImage& image, int x, int y, QRgb rgb) {
    const int scale = int(image.devicePixelRatio());
    for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx)
            if (image.valid(x * scale + dx, y * scale + dy))
                image.setPixel(x * scale + dx, y * scale + dy, rgb);
}

void plotLine(QImage& image, QPoint a, QPoint b, QColor colour, Dash dash, int phase) {
    const int scale = int(image.devicePixelRatio());
    a *= scale;
    b *= scale;
    dash.on *= scale;
    dash.off *= scale;
    phase *= scale;
    const int dx = std::abs(b.x() - a.x()), sx = a.x() < b.x() ? 1 : -1;
    const int dy = -std::abs(b.y() - a.y()), sy = a.y() < b.y() ? 1 : -1;
    const int period = dash.on + dash.off;
    const QRgb rgb = colour.rgba();
    int err = dx + dy;
    int x = a.x(), y = a.y();
    // Bresenham advances one pixel per step along the longer axis (and sometimes the other).
    for (int step = 0;; ++step) {
        if (((step + phase) % period + period) % period < dash.on)
            for (int py = y; py < y + scale; ++py)
                for (int px = x; px < x + scale; ++px)
                    if (image.valid(px, py))
                        image.setPixel(px, py, rgb);
        if (x == b.x() && y == b.y())
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

int phaseCentringDash(Dash dash, int step) {
    const int period = dash.on + dash.off;
    return ((dash.on / 2 - step) % period + period) % period;
}

void plotOutline(QImage& image, std::initializer_list<QPoint> corners, QColor colour) {
    const QPoint* first = corners.begin();
    for (const QPoint* p = first; p != corners.end(); ++p)
        plotLine(image, *p, p + 1 == corners.end() ? *first : *(p + 1), colour);
}

bool loadArabicFont() {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(arabicFontFile));
    if (id < 0)
        return false;
    arabicFamily = QFontDatabase::applicationFontFamilies(id).value(0);
    return !arabicFamily.isEmpty();
}

QPainterPath textPath(const QString& text, qreal pixelSize) {
    QFont font(arabicFamily);
    font.setPixelSize(referenceSize);
    font.setWeight(QFont::Bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return QTransform::fromScale(pixelSize / referenceSize, pixelSize / referenceSize).map(path);
}

QRectF textBounds(const QString& text, qreal pixelSize) {
    return textPath(text, pixelSize).boundingRect();
}

QRectF drawTextCentred(QPainter& painter, const QString& text, qreal pixelSize, QPoint centre,
                       const QColor& colour) {
    const QPainterPath path = textPath(text, referenceSize);
    return fillPath(painter, placed(path, pixelSize / referenceSize, mid(centre)), colour, text);
}

QRectF drawTextInBox(QPainter& painter, const QString& text, QRect box, const QColor& colour) {
    const QPainterPath path = textPath(text, referenceSize);
    const QRectF bounds = path.boundingRect();
    const QRectF area(box.left(), box.top(), box.width(), box.height());
    const qreal scale = std::min(area.width() / bounds.width(), area.height() / bounds.height());
    return fillPath(painter, placed(path, scale, area.center()), colour, text);
}

QRectF drawTextSpanning(QPainter& painter, const QString& text, qreal left, qreal right, int y,
                        const QColor& colour) {
    const QPainterPath path = textPath(text, referenceSize);
    const qreal scale = (right - left) / path.boundingRect().width();
    return fillPath(painter, placed(path, scale, QPointF((left + right) / 2, y + 0.5)), colour,
                    text);
}

} // namespace draw
