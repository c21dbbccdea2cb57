// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace look {

// Frames drawn as the program's windows were designed: an etched border whose top line runs
// through the middle of the caption, broken under it; and option buttons whose circle fits
// their line. Everything else is the base style's.
// Works as the base of another proxy style too: its own geometry is asked through proxy().
class FrameStyle : public QProxyStyle {
public:
    // Takes ownership of `base`.
    explicit FrameStyle(QStyle* base);

    // Room left clear of the line on each side of the caption.
    static constexpr int captionGap = 2;
    // Where the caption's box starts, from the frame's left edge: clear of the corner, so the
    // line shows on both sides of the caption.
    static constexpr int captionIndent = 6;

    // An option button's circle: 13 pixels, as the layouts were made for, so it fits the
    // 13-pixel buttons at every scale and font resolution.
    static constexpr int radioIndicatorSize = 13;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

// The etched border (sunken, one pixel: dark, with light inside and below it), left out where
// it would cross `gap`.
void drawEtchedFrame(QPainter* painter, const QRect& frame, const QRect& gap,
                     const QPalette& palette);

} // namespace look
