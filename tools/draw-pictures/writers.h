// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writers for the three file formats, each producing exactly the layout the program expects.
#pragma once

#include "palette.h"

#include <QImage>
#include <QString>

// Baseline JFIF 1.01, 4:2:0, quality 100 (every quantiser 1), the standard Huffman tables,
// aspect 1:1 without a density unit, no thumbnail and no other marker.
void writeJpeg(const QImage& image, const QString& path);

// GIF89a: one interlaced frame covering the screen, 256-entry global colour table, and a
// graphic control extension making `transparentIndex` transparent.
void writeGif(const IndexedImage& image, int transparentIndex, const QString& path);

// Icon file with one 8-bit image and a 1-bit AND mask that makes the given numbers of columns
// at the left and right edges transparent.
void writeIco(const IndexedImage& image, int maskedLeft, int maskedRight, const QString& path);
