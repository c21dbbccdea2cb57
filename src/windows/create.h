// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/catalogue.h"
#include "windows/start/startwindow.h"

#include <QWidget>

namespace windows {

// A new window of the kind, with its initial contents, hidden. Only the start window uses the
// actions.
QWidget* createWindow(WindowId id, const StartWindow::Actions& actions = {});

} // namespace windows
