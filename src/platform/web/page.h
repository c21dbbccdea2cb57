// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the program and its page (index.html) say to each other in the browser.
namespace platform::web {

// Tells the page something, as a DOM event it listens for: "kozmat-say" (a text for its live
// region), "kozmat-window" (the title of the window in front), "kozmat-typing" ("box" while
// an editable box has the focus, else empty), "kozmat-controls", "kozmat-control" and
// "kozmat-focus" (presentControls), "kozmat-ended".
void tellPage(const char* event, const QString& detail = {});

// From now on, tells the page whether the focus is in an editable box, and takes what is typed
// on the page's own field (its number pad on a touch device) as keys.
void followTyping();

// From now on, tells the page the controls of the window in front as Qt's accessibility
// describes them to a desktop screen reader: "kozmat-controls" when another window comes in
// front (JSON: the window's name, for a message box its role "alertdialog" and description,
// and its controls in Tab's order, each with an id, its role, name, description, value, checked,
// disabled and readonly), "kozmat-control" when one of them changes (JSON, the same),
// "kozmat-focus" with the id of the control that has the focus (empty: none).
void presentControls();

} // namespace platform::web
