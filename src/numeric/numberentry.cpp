// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numeric/numberentry.h"

#include "numeric/floatchars.h"
#include "numeric/runtimeerror.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace numeric {

namespace {

// The digit a character stands for, in the three scripts a keyboard may type; -1 otherwise.
int digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= 0x0660 && u <= 0x0669) // Arabic-Indic
        return u - 0x0660;
    if (u >= 0x06F0 && u <= 0x06F9) // extended Arabic-Indic (Persian keyboards)
        return u - 0x06F0;
    return -1;
}

bool isPoint(QChar c, QChar userSeparator) {
    return c == u'.' || c == u'\u066B' || c == userSeparator;
}
bool isExponentLetter(QChar c) {
    return c == u'E' || c == u'e' || c == u'D' || c == u'd';
}

// Walks the text, stepping over blanks, tabs and line feeds wherever they stand.
class Reader {
public:
    explicit Reader(QStringView text) : text_(text) {}

    // The next character that counts, or U+0000 at the end (which continues nothing).
    QChar peek() {
        while (at_ < text_.size() &&
               (text_[at_] == u' ' || text_[at_] == u'\t' || text_[at_] == u'\n'))
            ++at_;
        return at_ < text_.size() ? text_[at_] : QChar();
    }
    void next() { ++at_; }

    // Reads an optional sign; true for minus.
    bool sign() {
        const QChar c = peek();
        if (c != u'+' && c != u'-')
            return false;
        next();
        return c == u'-';
    }

private:
    QStringView text_;
    qsizetype at_ = 0;
};

// Two neighbouring doubles are told apart by their midpoint, which has at most 767 significant
// digits; past that many only whether some further digit is non-zero can matter.
constexpr std::size_t keptDigits = 800;

// An exponent this large is out of range whatever the digits before it, as no text holds 10^15
// digits; capping it keeps the sums below far from overflowing 64 bits.
constexpr std::int64_t exponentCap = 1'000'000'000'000'000;

} // namespace

double numberEntry(QStringView text) {
    return numberEntry(text, u'.');
}

double numberEntry(QStringView text, QChar userSeparator) {
    Reader reader(text);
    const bool negative = reader.sign();

    // The value read is digits × 10^scale, digits without leading zeros.
    std::string digits;
    std::int64_t scale = 0;
    bool droppedNonZero = false;
    bool seenPoint = false;
    for (QChar c = reader.peek();; c = reader.peek()) {
        if (isPoint(c, userSeparator) && !seenPoint) {
            seenPoint = true;
            reader.next();
            continue;
        }
        const int digit = digitValue(c);
        if (digit < 0)
            break;
        reader.next();
        if (digits.empty() && digit == 0) {
            if (seenPoint)
                --scale;
        } else if (digits.size() < keptDigits) {
            digits += char('0' + digit);
            if (seenPoint)
                --scale;
        } else {
            droppedNonZero |= digit != 0;
            if (!seenPoint)
                ++scale;
        }
    }

    if (isExponentLetter(reader.peek())) {
        reader.next();
        const bool negativeExponent = reader.sign();
        std::int64_t exponent = 0;
        for (int digit = digitValue(reader.peek()); digit >= 0; digit = digitValue(reader.peek())) {
            reader.next();
            if (exponent < exponentCap)
                exponent = exponent * 10 + digit;
        }
        scale += negativeExponent ? -exponent : exponent;
    }

    if (digits.empty())
        return 0.0;
    if (droppedNonZero) {
        // A digit past the midpoints keeps the value on the right side of every one of them.
        digits += '1';
        --scale;
    }

    // Far outside the range the digits no longer matter; within it the library rounds.
    const std::int64_t magnitude = scale + std::int64_t(digits.size()) - 1;
    if (magnitude > 308)
        throw numeric::RuntimeError::overflow();
    if (magnitude < -324)
        return negative ? -0.0 : 0.0;

    char exponentText[24];
    const auto written = std::to_chars(exponentText, exponentText + sizeof exponentText, scale);
    digits += 'e';
    digits.append(exponentText, written.ptr);

    double value = 0;
    if (!floatchars::parse(digits, value)) {
        if (magnitude >= 0)
            throw numeric::RuntimeError::overflow();
        value = 0.0; // below half the smallest subnormal
    }
    return negative ? -value : value;
}

} // namespace numeric
