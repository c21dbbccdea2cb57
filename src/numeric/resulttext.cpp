// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numeric/resulttext.h"

#include "numeric/floatchars.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace numeric {

namespace {

constexpr int significantDigits = 15;
// Enough places for every digit of a double: its exact decimal expansion has at most 767.
constexpr int exactPlaces = 780;

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

QString resultText(double value, QChar decimalSeparator) {
    // The program never shows these (arithmetic throws first), but they must not crash.
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    if (value == 0) // also negative zero
        return QStringLiteral("0");

    // Round once to 15 significant digits, halves away from zero as taught at school, which
    // needs the exact digits: the 16th alone decides. The form is chosen from the rounded value,
    // so that 999999999999999.9 becomes 1E+15 rather than a 16-digit whole number.
    char exact[exactPlaces + 16]; // "d.ddd…de-324"
    const char* const end =
        floatchars::scientific(exact, exact + sizeof exact, std::fabs(value), exactPlaces);
    std::string digits(exact, 1);
    digits.append(exact + 2, significantDigits - 1);
    int exponent = 0;
    const char* exponentText = exact + 2 + exactPlaces + 1; // its sign
    std::from_chars(exponentText + 1, end, exponent);
    if (*exponentText == '-')
        exponent = -exponent;
    if (exact[1 + significantDigits] >= '5') {
        std::size_t at = digits.size();
        while (at > 0 && digits[at - 1] == '9')
            digits[--at] = '0';
        if (at > 0) {
            ++digits[at - 1];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int count = int(digits.size());

    QString text;
    if (value < 0)
        text += u'-';
    const int placesAfterSeparator = count - 1 - exponent;
    if (exponent >= significantDigits || placesAfterSeparator > significantDigits) {
        text += QChar::fromLatin1(digits.front());
        if (count > 1)
            text += decimalSeparator + latin1(std::string_view(digits).substr(1));
        const QString power = QString::number(std::abs(exponent));
        text += u'E';
        text += exponent < 0 ? u'-' : u'+';
        text += power.rightJustified(2, u'0');
    } else if (exponent >= 0) {
        const int whole = exponent + 1;
        text += latin1(std::string_view(digits).substr(0, whole));
        if (count < whole)
            text += QString(whole - count, u'0');
        else if (count > whole)
            text += decimalSeparator + latin1(std::string_view(digits).substr(whole));
    } else {
        text += u'0';
        text += decimalSeparator;
        text += QString(-exponent - 1, u'0');
        text += latin1(digits);
    }
    return text;
}

} // namespace numeric
