// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/separator.h"

#include <QString>

namespace platform {

bool usableSeparator(QStringView separator) {
    if (separator.size() != 1)
        return false;
    const QChar c = separator.front();
    // A digit, letter, sign or blank would be read as part of the number, not as its point.
    return !(c.isLetterOrNumber() || c.isSpace() || c == u'+' || c == u'-' || c.isSurrogate());
}

QChar decimalSeparator() {
    static const QChar separator = [] {
        const QString system = systemSeparator();
        return usableSeparator(system) ? system.front() : QChar(u'.');
    }();
    return separator;
}

} // namespace platform
