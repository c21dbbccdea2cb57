// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace platform {

// The application title: the program's name, and the title of its error messages.
inline QString applicationTitle() {
    return QStringLiteral("كوزماط");
}

// Ends the program at once: every window disappears together, no window's closing logic runs,
// nothing is asked, and the program leaves its event loop with status 0.
void endProgram();

} // namespace platform
