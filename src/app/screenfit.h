// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace app {

// Before a window is shown: where its laid-out client area is larger than the available area of
// its screen, the window opens no larger than that area and its content scrolls, following the
// keyboard focus; where it fits, nothing of the window changes.
void fitToScreen(QWidget* window);

} // namespace app
