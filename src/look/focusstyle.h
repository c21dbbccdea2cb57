// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace look {

// Draws a plainly visible focus mark, a 2-pixel frame in the text colour, inside push buttons,
// option buttons and text boxes that have the focus, on top of whatever the base style draws;
// on an option button it frames the caption, under the caption's text, and leaves the circle be.
// Takes ownership of its base style, like every QProxyStyle.
class FocusStyle : public QProxyStyle {
public:
    explicit FocusStyle(QStyle* base = nullptr);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // The width of the mark in device-independent pixels.
    static constexpr int markWidth = 2;
};

} // namespace look
