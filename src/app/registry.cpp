#include "app/registry.h"

namespace app {

WindowRegistry::~WindowRegistry() {
    for (Slot& s : slots_)
        delete s.window.data();
}

void WindowRegistry::add(WindowId id, Factory factory) {
    slot(id).factory = std::move(factory);
}

QWidget* WindowRegistry::show(WindowId id) {
    Slot& s = slot(id);
    if (!s.window) {
        if (!s.factory)
            return nullptr;
        s.window = s.factory();
        // A closed window is gone with everything typed in it; the next show builds it anew.
        s.window->setAttribute(Qt::WA_DeleteOnClose);
    }
    QWidget* w = s.window;
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

QWidget* WindowRegistry::window(WindowId id) const {
    return slot(id).window;
}

} // namespace app
