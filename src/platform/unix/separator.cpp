// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/separator.h"

#include <QString>
#include <langinfo.h>
#include <locale.h>

namespace platform {

QString systemSeparator() {
    // A locale object of its own, made from the environment: the answer does not depend on what
    // the process's global locale was set to, or by whom (Qt sets it; a plug-in might reset it).
    const locale_t numeric = newlocale(LC_NUMERIC_MASK, "", locale_t(nullptr));
    if (numeric == locale_t(nullptr))
        return {}; // not installed, or a name the C library does not know
    QString radix = QString::fromUtf8(nl_langinfo_l(RADIXCHAR, numeric));
    freelocale(numeric);
    return radix;
}

} // namespace platform
