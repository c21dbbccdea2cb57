// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace numeric::floatchars {

// The conversions between doubles and decimal text that number entry and result text build on:
// exact, and deaf to the C locale. The standard library's <charconv> is both; the browser's
// (emscripten's libc++) has no floating-point <charconv>, and there the C library's own
// conversions serve: musl's are exact at every precision and know no other point than ".".
#if defined(__cpp_lib_to_chars) || !defined(__EMSCRIPTEN__)

// The exact digits of `value` in scientific form ("d.ddd…e±dd") with `places` digits after the
// point; returns the end of what was written.
inline char* scientific(char* first, char* last, double value, int places) {
    return std::to_chars(first, last, value, std::chars_format::scientific, places).ptr;
}

// The double nearest to the decimal number `text` ("digits" or "digitse±exponent"); false when
// it lies beyond the range of a double, above or below.
inline bool parse(const std::string& text, double& value) {
    return std::from_chars(text.data(), text.data() + text.size(), value).ec !=
           std::errc::result_out_of_range;
}

#else

inline char* scientific(char* first, char* last, double value, int places) {
    const int written = std::snprintf(first, std::size_t(last - first), "%.*e", places, value);
    return first + (written < 0 ? 0 : written);
}

inline bool parse(const std::string& text, double& value) {
    errno = 0;
    value = std::strtod(text.c_str(), nullptr);
    // musl says ERANGE for a subnormal result too, which is still the nearest double.
    return errno != ERANGE || (value != 0 && !std::isinf(value));
}

#endif

} // namespace numeric::floatchars
