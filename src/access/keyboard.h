// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>

class QRadioButton;

namespace accessibility {

// Enter and keypad Enter on a focused push button click it, exactly as Space does, in every
// window of the program; buttons stay neither default nor auto-default. Installed once on the
// application, by app::prepareApplication; later calls do nothing.
void installEnterClicks();

// Up/Down and Left/Right move through the options in the given order (top to bottom) and
// select the option they arrive at. Down and Right go to the next option, Up and Left to the
// previous one; at either end the focused option is selected and focus stays.
void arrowKeysSelect(const QList<QRadioButton*>& options);

} // namespace accessibility
