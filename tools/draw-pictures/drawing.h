// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared drawing helpers: stair-stepped lines with dash patterns, and bold Arabic text placed
// by the centre or the extent of its glyphs.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QString>
#include <initializer_list>

namespace draw {

// Print where each text landed (glyph bounds), to compare with the intended places.
inline bool verbose = false;

// A blank image of width × height pixels drawn at `scale` times that size: its device pixel
// ratio makes painters and the pixel helpers below work in the natural size's coordinates.
QImage newImage(int width, int height, int scale, QImage::Format format);

// The natural size of an image from newImage.
int logicalWidth(const QImage& image);
int logicalHeight(const QImage& image);

// Sets pixel (x, y) of the natural size: the block of scale × scale pixels it stands for.
void setPixel(QImage& image, int x, int y, QRgb rgb);

// A repeating pattern of drawn and skipped pixel steps.
struct Dash {
    int on = 1;
    int off = 0;
};
inline constexpr Dash solid{1, 0};

// Number of steps from a to b along the longer axis.
int lineSteps(QPoint a, QPoint b);

// Stair-stepped (Bresenham) line from a to b, both ends included, one pixel per step along the
// longer axis. At a larger scale the line runs between the scaled end pixels with a pen of
// scale × scale pixels, and the dashes are scaled with it. Step i is drawn when (i + phase) mod (on
// + off) < on, so phase 0 starts with a full dash at a.
void plotLine(QImage& image, QPoint a, QPoint b, QColor colour, Dash dash = solid, int phase = 0);

// The phase for plotLine that puts the middle of a dash on step `step`.
int phaseCentringDash(Dash dash, int step);

// Closed outline through the points, in order.
void plotOutline(QImage& image, std::initializer_list<QPoint> corners, QColor colour);

// Registers the bold Arabic face; false if the font file is missing.
bool loadArabicFont();

// Outline of bold Arabic text at the given font pixel size, shaped and ordered right to left.
QPainterPath textPath(const QString& text, qreal pixelSize);

// Fills text with its glyph bounds centred on the middle of pixel `centre`. Returns the bounds.
QRectF drawTextCentred(QPainter& painter, const QString& text, qreal pixelSize, QPoint centre,
                       const QColor& colour);

// Fills text as large as fits the pixel box (both edges included), centred in it.
QRectF drawTextInBox(QPainter& painter, const QString& text, QRect box, const QColor& colour);

// Fills text so that its glyph bounds span [left, right) horizontally, centred on row `y`.
QRectF drawTextSpanning(QPainter& painter, const QString& text, qreal left, qreal right, int y,
                        const QColor& colour);

// Glyph bounds of text at a pixel size, for planning layouts.
QRectF textBounds(const QString& text, qreal pixelSize);

// Middle of a pixel in painter coordinates.
inline QPointF mid(QPoint p) {
    return {p.x() + 0.5, p.y() + 0.5};
}

} // namespace draw
