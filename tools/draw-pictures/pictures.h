// The nine pictures, each drawn at its natural size.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <vector>

// Lettered drawings of the shape windows: opaque RGB.
QImage drawSquare();
QImage drawRectangle();
QImage drawRhombus();
QImage drawParallelogram();

// Reference charts of the circle and triangle windows: opaque RGB.
QImage drawCircleChart();
QImage drawTriangleParts();
QImage drawTriangleKinds();

// The start window's clip art on a transparent background (ARGB).
QImage drawStartPicture();

// The window icon, 100 × 60, opaque; its outer columns are made transparent by the icon's mask.
QImage drawWindowIcon();
inline constexpr int iconWidth = 100;
inline constexpr int iconHeight = 60;
inline constexpr int iconLeftMasked = 4;  // columns 0..3
inline constexpr int iconRightMasked = 3; // columns 97..99

// The flat colours of the start picture, kept exactly in its palette.
std::vector<QRgb> startPictureColours();
