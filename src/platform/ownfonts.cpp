// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/fonts.h"

namespace platform {

// Where Qt lists the system's fonts itself, without fontconfig (Windows), or knows only the
// fonts the program gives it (the browser), there is nothing to steer.
void startOnOwnFonts() {}

bool loadSystemFonts() {
    return false;
}

} // namespace platform
