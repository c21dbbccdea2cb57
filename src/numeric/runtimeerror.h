// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace numeric {

// A run-time error of the program: the number a user can quote and its Arabic description.
// Thrown by the arithmetic, caught only by the click binding (click.h).
struct RuntimeError {
    int number;
    QString description;

    // The text of the error message box, e.g. "خطأ 11: القسمة على صفر".
    QString message() const { return QStringLiteral("خطأ %1: %2").arg(number).arg(description); }

    static RuntimeError overflow() { return {6, QStringLiteral("تجاوز السعة")}; }
    static RuntimeError outOfMemory() { return {7, QStringLiteral("نفاد الذاكرة")}; }
    static RuntimeError divisionByZero() { return {11, QStringLiteral("القسمة على صفر")}; }
    static RuntimeError internal() { return {51, QStringLiteral("خطأ داخلي")}; }
};

} // namespace numeric
