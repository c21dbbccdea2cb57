// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace app {

// Qt's own texts (context menus, standard buttons) in Arabic, from the embedded translations.
// The layout direction stays left to right, as the windows are laid out. Call after the
// QApplication exists and before any window; later calls do nothing.
void installToolkitTexts();

} // namespace app
