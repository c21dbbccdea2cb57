// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLabel;
class QLineEdit;

namespace windows {

// What every calculator does with its boxes: number entry of a box's text, and the result text
// of a value, both with the user's decimal separator, shown whole in a result box or label.
double readNumber(const QLineEdit* box);
void writeResult(QLineEdit* box, double value);
void writeResult(QLabel* label, double value);

} // namespace windows
