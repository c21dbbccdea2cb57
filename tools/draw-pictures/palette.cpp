// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

struct Entry {
    QRgb colour;
    long count;
};

int channel(QRgb c, int axis) {
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// A box of colours in the median cut, with the widest channel and its range.
struct Box {
    std::vector<Entry> entries;
    int axis = 0;
    int range = 0;
    long population = 0;

    void measure() {
        range = -1;
        population = 0;
        for (const Entry& e : entries)
            population += e.count;
        for (int a = 0; a < 3; ++a) {
            const auto [lo, hi] = std::minmax_element(
                entries.begin(), entries.end(), [a](const Entry& x, const Entry& y) {
                    return channel(x.colour, a) < channel(y.colour, a);
                });
            const int r = channel(hi->colour, a) - channel(lo->colour, a);
            if (r > range) {
                range = r;
                axis = a;
            }
        }
    }

    QRgb mean() const {
        double sum[3] = {0, 0, 0};
        for (const Entry& e : entries)
            for (int a = 0; a < 3; ++a)
                sum[a] += double(channel(e.colour, a)) * double(e.count);
        auto avg = [&](int a) { return int(sum[a] / double(population) + 0.5); };
        return qRgb(avg(0), avg(1), avg(2));
    }
};

int distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

QRgb opaque(QRgb pixel) {
    // Un-premultiplied colour of a partly covered pixel; the image is ARGB32, not premultiplied.
    return qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace

std::vector<QRgb> choosePalette(const QImage& source, const std::vector<QRgb>& fixed, int count) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    std::map<QRgb, long> histogram; // ordered, so the result does not depend on hashing
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) >= 128)
                ++histogram[opaque(pixel)];
        }
    for (QRgb c : fixed)
        histogram.erase(opaque(c));

    std::vector<QRgb> palette;
    for (QRgb c : fixed)
        palette.push_back(opaque(c));
    const int free = count - int(palette.size());
    if (free <= 0 || histogram.empty())
        return palette;

    if (int(histogram.size()) <= free) {
        for (const auto& [colour, n] : histogram)
            palette.push_back(colour);
        return palette;
    }

    std::vector<Box> boxes(1);
    for (const auto& [colour, n] : histogram)
        boxes[0].entries.push_back({colour, n});
    boxes[0].measure();
    while (int(boxes.size()) < free) {
        // Split the box that spreads the most pixels over the widest range.
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return double(a.range) * double(a.population) < double(b.range) * double(b.population);
        });
        if (widest->range <= 0 || widest->entries.size() < 2)
            break;
        Box& box = *widest;
        const int axis = box.axis;
        std::stable_sort(box.entries.begin(), box.entries.end(),
                         [axis](const Entry& a, const Entry& b) {
                             return channel(a.colour, axis) < channel(b.colour, axis);
                         });
        // Cut at the pixel median, keeping at least one colour on each side.
        long half = box.population / 2, seen = 0;
        std::size_t cut = 0;
        while (cut + 1 < box.entries.size() && seen + box.entries[cut].count <= half)
            seen += box.entries[cut++].count;
        cut = std::clamp<std::size_t>(cut, 1, box.entries.size() - 1);
        Box upper;
        upper.entries.assign(box.entries.begin() + long(cut), box.entries.end());
        box.entries.resize(cut);
        box.measure();
        upper.measure();
        boxes.push_back(std::move(upper));
    }
    for (const Box& b : boxes)
        palette.push_back(b.mean());
    return palette;
}

IndexedImage toIndexed(const QImage& source, const std::vector<QRgb>& colours, int transparentIndex,
                       QRgb transparentColour) {
    if (colours.size() > 256 || (transparentIndex >= 0 && int(colours.size()) > transparentIndex))
        throw std::runtime_error("palette too large");
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    out.palette.fill(qRgb(0, 0, 0));
    std::copy(colours.begin(), colours.end(), out.palette.begin());
    if (transparentIndex >= 0)
        out.palette[std::size_t(transparentIndex)] = transparentColour;
    out.indices.reserve(std::size_t(out.width) * std::size_t(out.height));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (transparentIndex >= 0 && qAlpha(pixel) < 128) {
                out.indices.push_back(std::uint8_t(transparentIndex));
                continue;
            }
            std::size_t best = 0;
            for (std::size_t i = 1; i < colours.size(); ++i)
                if (distance(opaque(pixel), colours[i]) < distance(opaque(pixel), colours[best]))
                    best = i;
            out.indices.push_back(std::uint8_t(best));
        }
    return out;
}
