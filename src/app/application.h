// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/registry.h"

#include <QTimer>
#include <functional>

namespace app {

// What every window of the program relies on: the look, the toolkit's Arabic texts and Enter
// on buttons. Call once after the QApplication exists; later calls do nothing.
void prepareApplication();

// The life of the program: the welcome message, the start window, the windows it opens, and
// the exit with its farewell.
class Application {
public:
    // Installs the program's look; call after the QApplication exists.
    Application();

    // The welcome message, then, once it is dismissed, the start window.
    void start();
    // The farewell message, then every window closes and the event loop ends with status 0.
    void exit();

    WindowRegistry& windows() { return windows_; }

private:
    // then() once ready() holds; a later call replaces an earlier one still waiting.
    void once(std::function<bool()> ready, std::function<void()> then);

    WindowRegistry windows_;
    QTimer waiting_;
};

} // namespace app
