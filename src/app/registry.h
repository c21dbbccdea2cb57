// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/catalogue.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

namespace app {

using windows::allWindowIds;
using windows::WindowId;

// One slot per window of the program. A window shows its initial contents the first time it is
// shown and again after the user has closed it with its close box; an open window is only
// brought to the front. Windows are modeless and have no owner.
//
// So that showing costs no more than mapping, a slot can hold a spare: a copy built hidden and
// painted once off-screen, taken by the next show. Spares are made on request (prepare) or in
// idle time (prepareInIdle), and made again in idle time after the window taken from the slot
// is closed. A slot never holds a spare while its window is open.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    ~WindowRegistry();

    void add(WindowId id, Factory factory);
    // Shows the window, taking the spare or building it when needed; a window without a
    // factory yet is not shown and nullptr is returned.
    QWidget* show(WindowId id);
    // The window taken from the slot while it exists, else nullptr (a spare does not count).
    QWidget* window(WindowId id) const;

    // Builds the slot's spare now, unless it has one or its window is open.
    void prepare(WindowId id);
    // Keeps spares of these windows ready, built one at a time when the program is idle.
    void prepareInIdle(std::initializer_list<WindowId> ids);
    // The spare, hidden, while there is one, else nullptr.
    QWidget* prepared(WindowId id) const;

private:
    struct Slot {
        Factory factory;
        QPointer<QWidget> window;
        QPointer<QWidget> spare;
        bool keepSpare = false;
    };
    Slot& slot(WindowId id) { return slots_[static_cast<std::size_t>(id)]; }
    const Slot& slot(WindowId id) const { return slots_[static_cast<std::size_t>(id)]; }
    QWidget* build(Slot& s);
    void buildOneSpare();

    std::array<Slot, std::size(allWindowIds)> slots_;
    QTimer idle_;
    QPointer<QWidget> waitingForPaint_;
};

} // namespace app
