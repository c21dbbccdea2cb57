// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/fonts.h"

namespace platform {

// Qt lists the fonts of Windows itself, without fontconfig: there is nothing to steer.
void startOnOwnFonts() {}

bool loadSystemFonts() {
    return false;
}

} // namespace platform
