// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Reduction of a drawing to a palette of at most 256 colours.
#pragma once

#include <QImage>
#include <QRgb>
#include <array>
#include <cstdint>
#include <vector>

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices; // row by row, top row first
    std::array<QRgb, 256> palette{};
};

// A palette of `count` colours: `fixed` first, the rest chosen by median cut among the
// drawing's other colours. Pixels whose alpha is below half are not counted.
std::vector<QRgb> choosePalette(const QImage& image, const std::vector<QRgb>& fixed, int count);

// Maps each pixel to the nearest palette colour (no dithering); pixels whose alpha is below
// half get `transparentIndex`. Unused palette entries are black.
IndexedImage toIndexed(const QImage& image, const std::vector<QRgb>& colours,
                       int transparentIndex = -1, QRgb transparentColour = 0xFFFFFFFF);
