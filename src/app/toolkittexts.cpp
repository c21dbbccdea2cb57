// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/toolkittexts.h"

#include <QApplication>
#include <QTranslator>

namespace app {

void installToolkitTexts() {
    static QTranslator* translator = nullptr;
    if (translator)
        return;
    translator = new QTranslator(qApp);
    if (!translator->load(QStringLiteral(":/translations/qtbase_ar.qm")))
        qWarning("the toolkit's Arabic translations are missing");
    // The translations name their language's direction, right to left; an explicit direction
    // is kept when the translator is installed and when the language changes.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QCoreApplication::installTranslator(translator);
}

} // namespace app
