// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

class QLabel;
class QLineEdit;

namespace widgets {

// Writes a result into its box or label: the control's text becomes the whole result, shown on
// one line from its first character. Where it is wider than the control at the window's font it
// is drawn in the largest smaller size of the same face that fits; a result that fits goes back
// to the window's font. A result box the user types into again is an ordinary text box.
void showResult(QLineEdit* box, const QString& text);
void showResult(QLabel* label, const QString& text);

// The pixel size of the smallest font any result may be drawn at: below it nothing is legible,
// so a text that fits nowhere stays at this size, shown from its start.
inline constexpr int smallestResultPixelSize = 5;

} // namespace widgets
