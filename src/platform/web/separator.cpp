// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/separator.h"

#include <QString>
#include <emscripten/val.h>

namespace platform {

QString systemSeparator() {
    // The point of the browser's language as its own number format writes it in Latin digits,
    // the digits of our results: "," for fr and de, "." for ar and en. Arabic digits would bring
    // the Arabic separator "٫", which next to Latin digits follows no convention.
    using emscripten::val;
    const val language = val::global("navigator")["language"];
    const val intl = val::global("Intl");
    if (!language.isString() || intl.isUndefined())
        return {};
    val options = val::object();
    options.set("numberingSystem", val("latn"));
    const val parts =
        intl["NumberFormat"].new_(language, options).call<val>("formatToParts", val(1.5));
    const int count = parts["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        if (parts[i]["type"].as<std::string>() == "decimal")
            return QString::fromStdString(parts[i]["value"].as<std::string>());
    }
    return {};
}

} // namespace platform
