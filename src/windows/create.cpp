// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/create.h"

#include "windows/reference/trianglewindow.h"
#include "windows/shapes/circlewindow.h"
#include "windows/shapes/parallelogramwindow.h"
#include "windows/shapes/rectanglewindow.h"
#include "windows/shapes/rhombuswindow.h"
#include "windows/shapes/squarewindow.h"

namespace windows {

QWidget* createWindow(WindowId id, const StartWindow::Actions& actions) {
    switch (id) {
    case WindowId::Start:
        return new StartWindow(actions);
    case WindowId::Square:
        return new SquareWindow;
    case WindowId::Rectangle:
        return new RectangleWindow;
    case WindowId::Rhombus:
        return new RhombusWindow;
    case WindowId::Parallelogram:
        return new ParallelogramWindow;
    case WindowId::Circle:
        return new CircleWindow;
    case WindowId::Triangle:
        return new TriangleWindow;
    }
    return nullptr;
}

} // namespace windows
