// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/separator.h"

#include <QString>
#include <windows.h>

namespace platform {

QString systemSeparator() {
    // The user's own number format, overrides made in the regional settings included; Qt's
    // system locale would do the same, but its answer may be any string. Windows allows up to
    // three characters here: a longer answer does not fit and stays empty.
    wchar_t decimal[8] = {};
    const int size = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
    if (size <= 1)
        return {};
    return QString::fromWCharArray(decimal, size - 1); // the count includes the terminating nul
}

} // namespace platform
