// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace platform {

// Has the user's screen reader say a text the program has just shown, where the toolkit cannot
// tell it: in a browser the page's screen reader sees nothing inside Qt's canvas, so the text
// goes into the page (its live region). On a desktop the toolkit's accessibility tells the
// screen reader itself, and this does nothing.
void sayToScreenReader(const QString& text);

} // namespace platform
