// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"

#include "access/keyboard.h"
#include "access/readerfilter.h"
#include "app/toolkittexts.h"
#include "look/look.h"
#include "platform/desktop.h"
#include "platform/fonts.h"
#include "widgets/messagebox.h"
#include "windows/create.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace app {

void prepareApplication() {
    look::installLook();
    installToolkitTexts();
    accessibility::installEnterClicks();
    accessibility::installReaderFilter();
}

Application::Application() {
    prepareApplication();
    const StartWindow::Actions actions{
        .openShape = [this](WindowId id) { windows_.show(id); },
        .exit = [this] { exit(); },
    };
    for (WindowId id : allWindowIds)
        windows_.add(id, [id, actions] { return windows::createWindow(id, actions); });
}

namespace {

// Every window disappears together, no window's closing logic runs, nothing is asked. Hidden
// rather than closed: closing would run close events and could delete windows whose handler
// is still on the stack.
void endProgram() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    platform::quit();
}

// The welcome box is drawn from the embedded fonts alone; every later window also has the
// system's fonts for what they lack (a pasted Hebrew letter, say).
void loadSystemFonts() {
    if (platform::loadSystemFonts())
        look::refreshFonts();
}

} // namespace

void Application::start() {
    // Nothing of the program is visible before the welcome message, and the message comes up
    // as early as possible: the start window is built, hidden, only once the message box is
    // on the screen and drawn, while it waits for its OK. A pupil may press Return at once, so
    // nothing else is done before it: the system's fonts and the other windows come once the
    // start window is drawn whole, its focus shown.
    once(
        [] {
            const QWidget* box = QApplication::activeModalWidget();
            return box && platform::drawn(box->windowHandle());
        },
        [this] { windows_.prepare(WindowId::Start); });
    widgets::showMessage(
        QStringLiteral("أهلا و سهلا بكم في كوزماط الإصدار الأول"), QStringLiteral("ترحيب"),
        widgets::SystemModal, nullptr, [this] {
            QPointer<QWidget> start = windows_.show(WindowId::Start);
            QElapsedTimer shown;
            shown.start();
            // Not every window system gives a new window the focus.
            once(
                [start, shown] {
                    return !start || (platform::drawn(start->windowHandle()) &&
                                      (start->isActiveWindow() || shown.hasExpired(250)));
                },
                [this] {
                    loadSystemFonts();
                    windows_.prepareInIdle({WindowId::Square, WindowId::Rectangle,
                                            WindowId::Rhombus, WindowId::Parallelogram,
                                            WindowId::Circle, WindowId::Triangle});
                });
        });
}

void Application::once(std::function<bool()> ready, std::function<void()> then) {
    // Asked at each turn of the event loop, so that whatever comes first (a key, a paint) is
    // handled first.
    waiting_.stop();
    waiting_.disconnect();
    waiting_.setInterval(1);
    QObject::connect(&waiting_, &QTimer::timeout, &waiting_,
                     [this, ready = std::move(ready), then = std::move(then)] {
                         if (!ready())
                             return;
                         waiting_.stop();
                         then();
                     });
    waiting_.start();
}

void Application::exit() {
    widgets::showMessage(QStringLiteral("مع السلامة"), QStringLiteral("توديع"),
                         widgets::ApplicationModal, windows_.window(WindowId::Start), endProgram);
}

} // namespace app
