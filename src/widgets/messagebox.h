// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace widgets {

// Message-box styles the program passes: modal to the program, or on top of every window.
enum MessageStyle : int { ApplicationModal = 0, SystemModal = 4096 };

// Shows a message box with one "موافق" button, the program's window icon and no picture in
// the box; once it is dismissed (by the button, Enter, Escape or the close box; which one does
// not matter), runs `then`. On a desktop the box waits for its answer before this returns; in a
// browser it cannot (platform::boxesWait), and this returns at once. The box belongs to
// `owner`, when given: it is transient for that window, so the desktop shows it over it.
void showMessage(const QString& prompt, const QString& title, int style, QWidget* owner = nullptr,
                 const std::function<void()>& then = {});

// Everything the program shows as a message goes through one replaceable function, so that
// tests can record messages instead of blocking in a modal loop. An empty hook restores the
// message box. Returns the hook that was in place.
using MessageHook = std::function<void(const QString& prompt, const QString& title, int style)>;
MessageHook setMessageHook(MessageHook hook);

// The box showMessage shows, built but not shown.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& prompt, const QString& title, int style,
                                            QWidget* owner = nullptr);

} // namespace widgets
