// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

namespace numeric {

// The text a result is shown as: at most 15 significant digits (halves rounded away from
// zero), no trailing zeros, plain digits below 1E+15 and down to the 15th place after the
// separator, exponent form ("1E+15", "5.6789E-12") beyond; negative zero is "0". The
// separator is the user's.
QString resultText(double value, QChar decimalSeparator);

} // namespace numeric
