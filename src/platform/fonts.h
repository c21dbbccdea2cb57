// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace platform {

// Loading the user's and the system's font configuration and listing every installed font
// costs more than showing the welcome box itself, so the program starts without them.

// Before the application object is built: the fonts the toolkit sees are only the ones the
// program registers itself (its embedded fonts), until loadSystemFonts(). Where the toolkit
// does not go through fontconfig this does nothing.
void startOnOwnFonts();

// The user's and the system's font configuration and fonts from now on, for characters the
// program's own fonts lack; the fonts the program registered must be registered again
// (look::refreshFonts). Returns whether it switched: false when already done, or when the
// program did not start on its own fonts.
bool loadSystemFonts();

} // namespace platform
