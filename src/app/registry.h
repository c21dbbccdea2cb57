#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

namespace app {

enum class WindowId { Start, Square, Rectangle, Rhombus, Parallelogram, Circle, Triangle };
inline constexpr WindowId allWindowIds[] = {
    WindowId::Start,         WindowId::Square, WindowId::Rectangle, WindowId::Rhombus,
    WindowId::Parallelogram, WindowId::Circle, WindowId::Triangle,
};

// One slot per window of the program. A window is built from its form the first time it is
// shown, and again after the user has closed it with its close box, so that it then shows its
// initial contents; an open window is only brought to the front. Windows are modeless and have
// no owner.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    ~WindowRegistry();

    void add(WindowId id, Factory factory);
    // Shows the window, building it first when needed; a window without a factory yet is not
    // shown and nullptr is returned.
    QWidget* show(WindowId id);
    // The window while it exists, else nullptr.
    QWidget* window(WindowId id) const;

private:
    struct Slot {
        Factory factory;
        QPointer<QWidget> window;
    };
    Slot& slot(WindowId id) { return slots_[static_cast<std::size_t>(id)]; }
    const Slot& slot(WindowId id) const { return slots_[static_cast<std::size_t>(id)]; }

    std::array<Slot, std::size(allWindowIds)> slots_;
};

} // namespace app
