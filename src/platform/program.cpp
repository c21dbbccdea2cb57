// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/program.h"

#include <QApplication>
#include <QWidget>

namespace platform {

void endProgram() {
    // Hidden rather than closed: closing would run close events and could delete windows
    // whose handler is still on the stack.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace platform
