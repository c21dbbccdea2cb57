// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace accessibility {

// Has a screen reader speak the text that has just been written into the control, without
// moving the focus; every call is spoken, the same text twice in a row as well.
void announce(QWidget* control, const QString& text);

} // namespace accessibility
