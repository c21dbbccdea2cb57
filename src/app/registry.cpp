// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/registry.h"

#include "app/screenfit.h"

#include <QGuiApplication>
#include <QWindow>

namespace app {

WindowRegistry::WindowRegistry() {
    // One spare per turn of the event loop, so that a click
    // waits for at most one window being built.
    idle_.setInterval(1);
    QObject::connect(&idle_, &QTimer::timeout, &idle_, [this] { buildOneSpare(); });
}

WindowRegistry::~WindowRegistry() {
    for (Slot& s : slots_)
        s.keepSpare = false;
    idle_.stop();
    for (Slot& s : slots_) {
        delete s.window.data();
        delete s.spare.data();
    }
}

void WindowRegistry::add(WindowId id, Factory factory) {
    slot(id).factory = std::move(factory);
}

QWidget* WindowRegistry::build(Slot& s) {
    QWidget* w = s.factory();
    // A closed window is gone with everything typed in it; the next show takes a fresh copy.
    w->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(w, &QObject::destroyed, &idle_, [this, &s] {
        if (s.keepSpare)
            idle_.start();
    });
    return w;
}

QWidget* WindowRegistry::show(WindowId id) {
    Slot& s = slot(id);
    if (!s.window) {
        if (s.spare)
            s.window = std::exchange(s.spare, nullptr);
        else if (s.factory)
            s.window = build(s);
        else
            return nullptr;
    }
    QWidget* w = s.window;
    if (!w->isVisible())
        fitToScreen(w);
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    // Not show(): that takes the platform's default state for a new window, which in a browser
    // is full-screen. A window opens as laid out everywhere.
    w->setVisible(true);
    w->raise();
    // On Wayland a box closed a moment ago can still be the focus window, with no native window
    // left: Qt's Wayland plugin, asked to activate another window, reads the focus window's and
    // crashes. The compositor gives the window the focus itself.
    if (const QWindow* focus = QGuiApplication::focusWindow(); !focus || focus->handle())
        w->activateWindow();
    waitingForPaint_ = w;
    return w;
}

QWidget* WindowRegistry::window(WindowId id) const {
    return slot(id).window;
}

void WindowRegistry::prepare(WindowId id) {
    Slot& s = slot(id);
    if (s.spare || s.window || !s.factory)
        return;
    QWidget* w = build(s);
    // The native window made now and everything drawn once into a throw-away image: the form's
    // pictures are decoded, the text shaped and its glyphs rasterised, the style polished.
    w->winId();
    w->grab();
    s.spare = w;
}

void WindowRegistry::prepareInIdle(std::initializer_list<WindowId> ids) {
    for (WindowId id : ids)
        slot(id).keepSpare = true;
    idle_.start();
}

QWidget* WindowRegistry::prepared(WindowId id) const {
    return slot(id).spare;
}

void WindowRegistry::buildOneSpare() {
    // Idle means no window of ours is waiting for its first paint.
    if (const QWidget* w = waitingForPaint_; w && w->isVisible() && !w->isMinimized() &&
                                             !(w->windowHandle() && w->windowHandle()->isExposed()))
        return;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot& s = slots_[i];
        if (s.keepSpare && !s.spare && !s.window && s.factory) {
            prepare(allWindowIds[i]);
            return;
        }
    }
    idle_.stop();
}

} // namespace app
