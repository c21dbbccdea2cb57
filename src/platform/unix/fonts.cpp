// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>

namespace platform {
namespace {

bool onOwnFonts = false;

} // namespace

void startOnOwnFonts() {
    // A configuration that reads no file and knows no font directory: the toolkit lists only
    // the fonts it is given from memory, and fontconfig parses nothing.
    FcConfig* own = FcConfigCreate();
    if (!own)
        return;
    onOwnFonts = FcConfigSetCurrent(own);
    FcConfigDestroy(own); // the current configuration holds its own reference
}

bool loadSystemFonts() {
    if (!onOwnFonts)
        return false;
    onOwnFonts = false;
    // What fontconfig itself would have loaded at the start: the user's settings included.
    FcConfig* system = FcInitLoadConfigAndFonts();
    if (!system)
        return false;
    const bool switched = FcConfigSetCurrent(system);
    FcConfigDestroy(system);
    return switched;
}

} // namespace platform
