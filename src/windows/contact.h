// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QAbstractButton;
class QLabel;

namespace windows {

// The maker's credit line, e-mail address and web-site address.
enum class Contact { Credit, Email, Website };
QString contactText(Contact contact);

// Binds a credits and contact button: a click replaces the caption of the window's greeting
// label with the contact text and the given number of blanks before and after it.
void bindContact(QAbstractButton* button, QLabel* greeting, Contact contact, int blanksBefore,
                 int blanksAfter);

} // namespace windows
