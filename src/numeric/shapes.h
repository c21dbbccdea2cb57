// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "numeric/arithmetic.h"

#include <cmath>

// The formulas of the shape windows' calculators, under guarded arithmetic. Each takes its
// lengths in the order its window reads them, and computes in the order written: that order
// decides where an overflow is met and the last bit of a result.
namespace numeric {

// Pi as the circle's formulas use it; the window shows a longer value.
inline constexpr double pi = 3.14;

inline double squarePerimeter(double side) {
    return guarded([=] { return side * 4; });
}

inline double squareArea(double side) {
    return guarded([=] { return side * side; });
}

inline double rectanglePerimeter(double width, double length) {
    return guarded([=] {
        const double sum = length + width;
        return sum + sum;
    });
}

inline double rectangleArea(double width, double length) {
    return guarded([=] { return length * width; });
}

// Four equal sides, as the square's.
inline double rhombusPerimeter(double side) {
    return squarePerimeter(side);
}

inline double rhombusArea(double secondDiagonal, double firstDiagonal) {
    return guarded([=] { return (firstDiagonal * secondDiagonal) / 2; });
}

// Two pairs of equal sides, as the rectangle's: (shorter + longer) + (shorter + longer).
inline double parallelogramPerimeter(double longerSide, double shorterSide) {
    return rectanglePerimeter(longerSide, shorterSide);
}

// Height × base, as the rectangle's length × width.
inline double parallelogramArea(double base, double height) {
    return rectangleArea(base, height);
}

inline double circlePerimeter(double radius) {
    return guarded([=] { return (radius * 2) * pi; });
}

inline double circleArea(double radius) {
    return guarded([=] { return std::pow(radius, 2.0) * pi; });
}

} // namespace numeric
