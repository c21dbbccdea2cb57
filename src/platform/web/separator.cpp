// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/separator.h"

#include <QString>
#include <emscripten.h>

// The point of the browser's language as its own number format writes it in Latin digits, the
// digits of our results: "," for fr and de, "." for ar and en; 0 for none. Arabic digits would
// bring the Arabic separator "٫", which next to Latin digits follows no convention. Asked in
// JavaScript, where a tag Intl refuses (a WebKit started in the C locale says "C") can be
// caught: thrown through a call from C++, it would end the calculation that asked.
// clang-format off
EM_JS(int, browserDecimalPoint, (), {
    // Without a language Intl would take its own default, which is not the pupil's.
    const language = navigator.language;
    if (typeof language !== "string")
        return 0;
    try {
        const format = new Intl.NumberFormat(language, { numberingSystem: "latn" });
        const point = format.formatToParts(1.5).find((part) => part.type === "decimal");
        return point && point.value.length === 1 ? point.value.charCodeAt(0) : 0;
    } catch (refused) {
        return 0;
    }
});
// clang-format on

namespace platform {

QString systemSeparator() {
    const int point = browserDecimalPoint();
    return point ? QString(QChar(point)) : QString();
}

} // namespace platform
