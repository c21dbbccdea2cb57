// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <functional>

namespace windows {

// Runs one handler of the program. A run-time error shows the error message, titled with the
// application title, and abandons the handler: whatever it had not yet written stays as it was,
// every window stays open and the program goes on. This is the one place where errors are
// caught; no exception reaches the event loop. The message box belongs to `owner`, the window
// whose control ran the handler, so that every desktop shows it over that window.
void runHandler(const std::function<void()>& handler, QWidget* owner);

// Binds a button's click to a handler run by runHandler for the button's window.
template <class Handler> void onClick(QAbstractButton* button, Handler handler) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button, h = std::function<void()>(std::move(handler))] {
                         runHandler(h, button->window());
                     });
}

} // namespace windows
