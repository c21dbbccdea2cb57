// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/contact.h"

#include "access/announce.h"
#include "windows/click.h"

#include <QLabel>

namespace windows {

QString contactText(Contact contact) {
    switch (contact) {
    case Contact::Credit:
        return QStringLiteral("تصميم وبرمجة: فريق كوزماط");
    case Contact::Email:
        return QStringLiteral("kozmat@example.org");
    case Contact::Website:
        return QStringLiteral("kozmat.example.org");
    }
    return {};
}

void bindContact(QAbstractButton* button, QLabel* greeting, Contact contact, int blanksBefore,
                 int blanksAfter) {
    const QString caption =
        QString(blanksBefore, u' ') + contactText(contact) + QString(blanksAfter, u' ');
    windows::onClick(button, [greeting, caption] {
        greeting->setText(caption);
        accessibility::announce(greeting, caption.trimmed());
    });
}

} // namespace windows
