// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <functional>

namespace windows {

// Runs one handler of the program. A run-time error shows the error message, titled with the
// application title, and abandons the handler: whatever it had not yet written stays as it was,
// every window stays open and the program goes on. This is the one place where errors are
// caught; no exception reaches the event loop.
void runHandler(const std::function<void()>& handler);

// Binds a button's click to a handler run by runHandler.
template <class Handler> void onClick(QAbstractButton* button, Handler handler) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [h = std::function<void()>(std::move(handler))] { runHandler(h); });
}

} // namespace windows
