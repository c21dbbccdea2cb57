// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Independent description of each window's layout, in twips as the layout tables give them,
// and the checks that hold a built window against it.

#include <QColor>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace layout {

enum class Kind { Frame, Label, TextBox, Option, Button, Picture };
enum class Align { None, Left, Centre, Right };

inline constexpr std::nullopt_t noColour = std::nullopt;

struct Control {
    QString name;
    Kind kind;
    QString container;            // "window" or the name of a frame
    QString text;                 // caption, title or initial text
    int left, top, width, height; // twips
    int tab;
    std::optional<QRgb> colour = noColour; // back colour, when the table gives one
    Align align = Align::None;
};

struct Window {
    QString form;
    QString caption;
    int width, height;          // client area, twips
    std::optional<QRgb> colour; // none: the button face
    std::vector<Control> controls;
    std::function<QWidget*()> create;
};

// Every window whose layout is described; each table lives in a file of its own.
std::vector<Window> allWindows();

Window startWindow();
Window squareWindow();
Window rectangleWindow();
Window rhombusWindow();
Window parallelogramWindow();
Window circleWindow();
Window triangleWindow();

} // namespace layout
