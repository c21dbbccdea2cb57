// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

namespace platform {

// The decimal separator of the user's numeric setting, as the system gives it: on Linux the C
// library's LC_NUMERIC ("," under fr_FR and de_DE, "." under C and the Arabic locales), on
// Windows the regional settings (the decimal symbol of the user's number format). A
// separator that is not one character, or one that would read as part of a number, or a
// locale that is not installed, gives ".". Read once, on first use.
QChar decimalSeparator();

// The system's own answer, unchecked and maybe empty (unix/ and windows/ each have one).
QString systemSeparator();

// Whether a character the system names as the separator can serve as one.
bool usableSeparator(QStringView separator);

} // namespace platform
