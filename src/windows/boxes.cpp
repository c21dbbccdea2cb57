// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/boxes.h"

#include "numeric/numberentry.h"
#include "numeric/resulttext.h"
#include "platform/result.h"

#include <QLabel>
#include <QLineEdit>

namespace windows {

double readNumber(const QLineEdit* box) {
    return numeric::numberEntry(box->text(), platform::decimalSeparator());
}

void writeResult(QLineEdit* box, double value) {
    platform::showResult(box, numeric::resultText(value, platform::decimalSeparator()));
}

void writeResult(QLabel* label, double value) {
    platform::showResult(label, numeric::resultText(value, platform::decimalSeparator()));
}

} // namespace windows
