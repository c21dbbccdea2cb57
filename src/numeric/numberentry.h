// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

namespace numeric {

// Reads the number at the start of a typed text, the way every calculator reads its boxes:
// blanks, tabs and line feeds are skipped anywhere; an optional sign, digits with at most one
// point, an optional exponent (E or D, optional sign, digits); reading stops at the first
// character that cannot continue the number and what was read so far is the value ("12abc" is
// 12, "abc" and "" are 0). The point is always the decimal separator, whatever the locale.
// Arabic-Indic digits (U+0660..U+0669, U+06F0..U+06F9) are digits and U+066B is the point.
// Throws numeric::RuntimeError 6 when the value lies beyond the range of a double.
double numberEntry(QStringView text);

// The same, where the user's own decimal separator also reads as the point, so that a result
// shown as "3,5" reads back as 3.5. A second point or separator ends the number.
double numberEntry(QStringView text, QChar userSeparator);

} // namespace numeric
