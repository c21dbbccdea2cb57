// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The nine pictures, each drawn at `scale` times its natural size (1, 2 or 3): the image has
// that device pixel ratio, so each drawing works in the coordinates of the natural size.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <vector>

// Lettered drawings of the shape windows: opaque RGB.
QImage drawSquare(int scale);
QImage drawRectangle(int scale);
QImage drawRhombus(int scale);
QImage drawParallelogram(int scale);

// Reference charts of the circle and triangle windows: opaque RGB.
QImage drawCircleChart(int scale);
QImage drawTriangleParts(int scale);
QImage drawTriangleKinds(int scale);

// The start window's clip art on a transparent background (ARGB).
QImage drawStartPicture(int scale);

// The window icon, 100 × 60, opaque; its outer columns are made transparent by the icon's mask.
QImage drawWindowIcon(int scale);
inline constexpr int iconWidth = 100;
inline constexpr int iconHeight = 60;
inline constexpr int iconLeftMasked = 4;  // columns 0..3
inline constexpr int iconRightMasked = 3; // columns 97..99

// The flat colours of the start picture, kept exactly in its palette.
std::vector<QRgb> startPictureColours();
