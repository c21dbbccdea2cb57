// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/boxes.h"

#include "access/announce.h"
#include "numeric/numberentry.h"
#include "numeric/resulttext.h"
#include "platform/separator.h"
#include "widgets/resultdisplay.h"

#include <QLabel>
#include <QLineEdit>

namespace windows {
namespace {

// A screen reader hears what the new text is as well as the text, also when it is unchanged.
template <class Control> void show(Control* control, const QString& text) {
    widgets::showResult(control, text);
    accessibility::announce(control, QStringLiteral("النتيجة %1").arg(text));
}

} // namespace

double readNumber(const QLineEdit* box) {
    return numeric::numberEntry(box->text(), platform::decimalSeparator());
}

void writeResult(QLineEdit* box, double value) {
    show(box, numeric::resultText(value, platform::decimalSeparator()));
}

void writeResult(QLabel* label, double value) {
    show(label, numeric::resultText(value, platform::decimalSeparator()));
}

} // namespace windows
