// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for number entry and result text.
//
// Every input is read three ways: as UTF-8 text, as raw UTF-16 code units (which reach the
// Arabic-Indic digits and unpaired surrogates) and, from its first eight bytes, as the bits of a
// double. Number entry may only return a finite double or throw the overflow error; the same
// text with its digits and point written in Arabic-Indic reads the same; and every finite double
// it meets makes the round trip: number entry of its result text is the double rounded to 15
// significant digits, halves away from zero, or the overflow error when that rounding leaves the
// range of a double. The reference rounding below uses the standard library only.

#include "numeric/numberentry.h"
#include "numeric/resulttext.h"
#include "numeric/runtimeerror.h"

#include <QString>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int shownDigits = 15;

[[noreturn]] void fail(const char* what, QStringView text, double x = 0) {
    std::fprintf(stderr, "\n%s\n  text: \"%s\" (%lld code units)\n  x: %.17g (%a)\n", what,
                 text.toUtf8().constData(), static_cast<long long>(text.size()), x, x);
    std::abort();
}

// Number entry (with the user's separator), which may only give a finite double or throw the
// overflow error (nullopt).
std::optional<double> enter(QStringView text, QChar userSeparator = u'.') {
    try {
        const double value = numeric::numberEntry(text, userSeparator);
        if (!std::isfinite(value))
            fail("number entry gave a value that is not finite", text, value);
        return value;
    } catch (const numeric::RuntimeError& error) {
        if (error.number != 6)
            fail("number entry threw a run-time error other than overflow", text);
    } catch (...) {
        fail("number entry threw something other than a run-time error", text);
    }
    return std::nullopt;
}

bool sameResult(std::optional<double> a, std::optional<double> b) {
    if (!a || !b)
        return !a && !b;
    return std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

// The text with each ASCII digit in one of the two Arabic-Indic scripts, in turn, and each point
// as the Arabic decimal separator: number entry must not see the difference.
QString inArabicDigits(QStringView text) {
    QString arabic;
    arabic.reserve(text.size());
    bool extended = false;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            arabic += QChar(char16_t((extended ? 0x06F0 : 0x0660) + (c.unicode() - u'0')));
            extended = !extended;
        } else if (c == u'.') {
            arabic += QChar(u'\u066B');
        } else {
            arabic += c;
        }
    }
    return arabic;
}

std::optional<double> checkEntry(QStringView text) {
    const std::optional<double> value = enter(text);
    if (!sameResult(enter(inArabicDigits(text)), value))
        fail("Arabic-Indic digits read differently from ASCII ones", text, value.value_or(0));
    return value;
}

// "d.ddd…de±X" with `decimals` digits after the point, rounded to nearest, halves to even.
std::string scientific(double magnitude, int decimals) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific, decimals);
    return std::string(buffer, written.ptr);
}

// Whether `magnitude` (positive, finite) is exactly the decimal `text`, "d.ddddddddddddddde±X"
// with 16 significant digits. Both sides are split into an odd integer times powers of 2 and 5.
bool isExactly(double magnitude, const std::string& text) {
    std::uint64_t digits = std::uint64_t(text[0] - '0');
    for (std::size_t i = 2; i < 17; ++i)
        digits = digits * 10 + std::uint64_t(text[i] - '0');
    int power = 0; // text is digits × 10^(power - 15)
    const char* exponent = text.data() + 18;
    std::from_chars(exponent + 1, text.data() + text.size(), power);
    if (*exponent == '-')
        power = -power;
    const int tenPower = power - 15;

    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    std::uint64_t mantissa = std::uint64_t(std::ldexp(fraction, 53)); // magnitude = m × 2^(e-53)
    int twos = binaryExponent - 53 + std::countr_zero(mantissa);
    mantissa >>= std::countr_zero(mantissa);
    const int digitTwos = std::countr_zero(digits);
    digits >>= digitTwos;

    // 5^23 exceeds both odd parts (below 2^53 and 10^16), so larger powers cannot match.
    if (tenPower > 22 || tenPower < -22)
        return false;
    std::uint64_t fives = 1;
    for (int i = 0; i < std::abs(tenPower); ++i)
        fives *= 5;
    if (twos != tenPower + digitTwos)
        return false;
    if (tenPower >= 0) // mantissa == digits × 5^k
        return mantissa % fives == 0 && mantissa / fives == digits;
    return digits % fives == 0 && digits / fives == mantissa; // mantissa × 5^k == digits
}

// x rounded to 15 significant digits, halves away from zero; nullopt beyond the double range.
std::optional<double> roundedForDisplay(double x) {
    const double magnitude = std::fabs(x);
    if (magnitude == 0)
        return x;
    const std::string sixteen = scientific(magnitude, shownDigits);
    const bool half = sixteen[shownDigits + 1] == '5' && isExactly(magnitude, sixteen);
    // The next double up lies between the half and the upper neighbour, so it rounds up.
    const std::string rounded = scientific(
        half ? std::nextafter(magnitude, std::numeric_limits<double>::infinity()) : magnitude,
        shownDigits - 1);
    double value = 0;
    const auto parsed = std::from_chars(rounded.data(), rounded.data() + rounded.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        if (magnitude < 1)
            fail("the reference rounding underflowed", QString::fromLatin1(rounded.c_str()), x);
        return std::nullopt;
    }
    return std::copysign(value, x);
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The form of result text: -?digits[.digits][E±dd], at most 15 significant digits, no trailing
// zero after the separator, and the exponent form exactly where the plain one would need a 16th
// whole digit or a 16th place after the separator.
void checkShape(const QString& text, double x) {
    qsizetype at = 0;
    if (at < text.size() && text[at] == u'-') {
        ++at;
        if (!(x < 0))
            fail("minus sign on a value that is not negative", text, x);
    }
    const qsizetype wholeStart = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    const qsizetype wholeDigits = at - wholeStart;
    qsizetype places = 0;
    if (at < text.size() && text[at] == u'.') {
        ++at;
        for (; at < text.size() && isDigit(text[at]); ++at)
            ++places;
        if (places == 0 || text[at - 1] == u'0')
            fail("empty or trailing zero after the separator", text, x);
    }
    const qsizetype mantissaEnd = at;
    bool exponentForm = false;
    int exponent = 0;
    if (at < text.size() && text[at] == u'E') {
        exponentForm = true;
        ++at;
        if (at == text.size() || (text[at] != u'+' && text[at] != u'-'))
            fail("exponent without a sign", text, x);
        const bool negative = text[at++] == u'-';
        const qsizetype exponentStart = at;
        while (at < text.size() && isDigit(text[at]))
            exponent = exponent * 10 + (text[at++].unicode() - u'0');
        const qsizetype exponentDigits = at - exponentStart;
        if (exponentDigits < 2 || (exponentDigits > 2 && text[exponentStart] == u'0'))
            fail("exponent not written with two digits at least and no extra zero", text, x);
        if (negative)
            exponent = -exponent;
    }
    if (at != text.size() || wholeDigits == 0)
        fail("result text is not digits, sign, separator and exponent", text, x);

    int significant = 0;
    bool leading = true;
    for (qsizetype i = wholeStart; i < mantissaEnd; ++i) {
        if (!isDigit(text[i]) || (leading && text[i] == u'0'))
            continue;
        leading = false;
        ++significant;
    }
    if (significant > shownDigits)
        fail("more than 15 significant digits", text, x);
    if (x == 0 ? text != u"0" : significant == 0)
        fail("zero shown other than as 0, or a value shown as zero", text, x);
    if (wholeDigits > 1 && text[wholeStart] == u'0')
        fail("leading zero", text, x);

    if (exponentForm) {
        if (wholeDigits != 1 || text[wholeStart] == u'0')
            fail("exponent form without one non-zero digit before the separator", text, x);
        if (exponent < shownDigits && places - exponent <= shownDigits)
            fail("exponent form where the plain form fits", text, x);
    } else if (wholeDigits > shownDigits || places > shownDigits) {
        fail("plain form with more than 15 whole digits or places", text, x);
    }
}

void checkRoundTrip(double x) {
    const QString text = numeric::resultText(x, u'.');
    if (!std::isfinite(x))
        return; // never shown: arithmetic throws first; it only must not crash
    checkShape(text, x);
    if (numeric::resultText(x, u'\u066B') != QString(text).replace(u'.', u'\u066B'))
        fail("the separator changes more than the separator", text, x);

    // Under a comma locale the text shown with a comma reads back as the one with a point.
    if (!sameResult(enter(numeric::resultText(x, u','), u','), enter(text)))
        fail("the text shown with a comma reads differently from the one with a point", text, x);

    const std::optional<double> expected = roundedForDisplay(x);
    const std::optional<double> read = enter(text);
    if (expected.has_value() != read.has_value() || (expected && *read != *expected)) {
        std::fprintf(stderr, "\nexpected %s%.17g, read %s%.17g", expected ? "" : "overflow, ",
                     expected.value_or(0), read ? "" : "overflow, ", read.value_or(0));
        fail("the round trip does not give the value rounded to 15 digits", text, x);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString utf8 = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    const QStringView utf16(units.data(), qsizetype(units.size()));

    if (const auto value = checkEntry(utf8))
        checkRoundTrip(*value);
    if (const auto value = checkEntry(utf16))
        checkRoundTrip(*value);
    if (size >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        checkRoundTrip(bits);
    }
    return 0;
}
