// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the desktop systems share: the program owns its event loop, a message box waits for its
// answer in a loop of its own, and the toolkit's accessibility reaches the screen reader by
// itself.

#include "platform/desktop.h"
#include "platform/screenreader.h"

#include <QApplication>
#include <QWindow>

namespace platform {

int run(const std::function<void()>& start) {
    start();
    return QApplication::exec();
}

void quit() {
    QCoreApplication::exit(0);
}

void sayToScreenReader(const QString&) {}

bool drawn(QWindow* window) {
    return window && window->isExposed();
}

bool boxesWait() {
    return true;
}

} // namespace platform
