// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout.h"

namespace layout {

std::vector<Window> allWindows() {
    return {
        startWindow(),         squareWindow(), rectangleWindow(), rhombusWindow(),
        parallelogramWindow(), circleWindow(), triangleWindow(),
    };
}

} // namespace layout
