// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/readerfilter.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace accessibility {
namespace {

QAccessible::UpdateHandler previousHandler = nullptr;

bool unheard(const QAccessibleEvent* event) {
    const auto* widget = qobject_cast<const QWidget*>(event->object());
    if (!widget)
        return false;
    // Windows are built hidden ahead of their first showing; what their controls send then
    // leaves Orca taking the frames for hidden once the window is shown.
    if (!widget->isWindow() && !widget->window()->isVisible())
        return true;
    // A line edit clears its selection in its focus-out, when the application's focus has
    // already moved on; Orca still takes the box for the focus then, and says so in English.
    return event->type() == QAccessible::TextSelectionChanged &&
           widget != QApplication::focusWidget();
}

void filter(QAccessibleEvent* event) {
    if (unheard(event))
        return;
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    // No handler before this one: the event takes Qt's own way to the platform. The handler
    // put back is the one in place, which may have been installed after this one.
    const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(current);
}

} // namespace

void installReaderFilter() {
    static const bool installed = [] {
        previousHandler = QAccessible::installUpdateHandler(filter);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace accessibility
