// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The program in a browser page: the page's canvas is the screen, Qt draws the windows' title
// bars, and the page is told what it shows around the program (src/platform/web/index.html).

#include "platform/desktop.h"

#include "platform/screenreader.h"
#include "platform/web/page.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <emscripten/html5.h>
#include <emscripten/val.h>
#include <string>

namespace platform {

void web::tellPage(const char* event, const QString& detail) {
    using emscripten::val;
    val init = val::object();
    init.set("detail", val(detail.toStdString()));
    val::global("document")
        .call<bool>("dispatchEvent", val::global("CustomEvent").new_(val(event), init));
}

namespace {

using web::tellPage;

// The page has no window manager, and Qt's compositor does little of one's work: it would open
// every window at the top left corner, each over the one before and with its left border off
// the page, and leave no window active once a message box or a window closes. So a new window
// opens where a desktop would put it, one title bar further down and right than the last (from
// the top left again when it would no longer fit), and when the active window goes, the window
// active before it becomes active again. As on a desktop, the program ends when its last window
// closes: the page says so, and Qt is not asked to quit (see quit()).
class WindowManager : public QObject {
public:
    explicit WindowManager(QObject* parent) : QObject(parent) {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
            if (!window)
                return;
            recent_.removeIf([window](const QPointer<QWindow>& w) { return !w || w == window; });
            recent_.prepend(window);
            tellPage("kozmat-window", window->title());
        });
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        // A scroll bar's menu waits for its answer in a loop of its own, which the page cannot
        // run (boxesWait): a small screen's scrolling window offers none.
        if (event->type() == QEvent::ContextMenu && qobject_cast<QScrollBar*>(object))
            return true;
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || !widget->isWindow())
            return false;
        if (event->type() == QEvent::Show && widget->windowType() == Qt::Window && !shown_) {
            shown_ = true;
            connect(qApp, &QGuiApplication::lastWindowClosed, this,
                    [] { tellPage("kozmat-ended"); });
        }
        if (event->type() == QEvent::Show)
            place(widget);
        else if (event->type() == QEvent::Hide)
            QTimer::singleShot(0, this, [this] { activateRecent(); });
        return false;
    }

private:
    void place(QWidget* window) {
        // Message boxes are centred over their window by Qt itself; a window the program has
        // placed keeps its place.
        if (window->windowType() != Qt::Window || window->testAttribute(Qt::WA_Moved) ||
            !window->screen())
            return;
        const QRect room = window->screen()->availableGeometry();
        const QSize frame = window->frameGeometry().size();
        const int step = frame.height() - window->height();
        QPoint at = room.topLeft() + QPoint(step, step) * placed_;
        if (at.x() + frame.width() > room.right() || at.y() + frame.height() > room.bottom()) {
            placed_ = 0;
            at = room.topLeft();
        }
        ++placed_;
        window->move(at);
    }

    void activateRecent() {
        if (QGuiApplication::focusWindow())
            return;
        for (QWindow* window : std::as_const(recent_)) {
            if (window && window->isVisible()) {
                window->requestActivate();
                return;
            }
        }
    }

    int placed_ = 0;
    bool shown_ = false;
    QList<QPointer<QWindow>> recent_;
};

} // namespace

void setDesktopIdentity() {
    // The page carries the title and the icon; the name is what Qt's own texts call us.
    QCoreApplication::setApplicationName(QString::fromLatin1(desktopId));
}

bool findDisplay() {
    // The page's canvas is the screen. On a touch screen the page's own field takes the typing
    // (numberpad.cpp): Qt's input context, which would compete with it for the focus, is none.
    qputenv("QT_IM_MODULE", "none");
    return true;
}

int run(const std::function<void()>& start) {
    // The welcome box closing before any window is shown is not the last window closing (on a
    // desktop it closes before the event loop runs): the program ends with its last window
    // once it has shown one (WindowManager). Qt never quits by itself here (see quit()).
    QGuiApplication::setQuitOnLastWindowClosed(false);
    qApp->installEventFilter(new WindowManager(qApp));
    // Beside the page's own version (index.html): a page and a program of two versions, which
    // the service worker must never bring together, can be told apart.
    emscripten::val::global("document")["documentElement"]["dataset"].set("program",
                                                                          KOZMAT_VERSION);
    web::followTyping();
    web::presentControls();
    start();
    // Hands the browser the loop: returns nothing, the page runs the program from now on.
    return QApplication::exec();
}

void quit() {
    // Only the page ends: its loop is the browser's, and Qt's exit would end event loops that
    // are no more. exec() left its loop on the unwound stack when it handed the browser the
    // loop, and exit() then wrote through what another call had put there (memory out of
    // bounds, now and then, in every engine). The program stays idle until the page loads anew.
    tellPage("kozmat-ended");
}

bool drawn(QWindow* window) {
    // Qt draws the page's canvas at an animation frame: a window exposed now is painted at the
    // next one and on the canvas at the one after. Two frames from the first question on, it
    // is drawn.
    static QPointer<QWindow> asked;
    static int frames = 0;
    if (!window || !window->isExposed())
        return false;
    if (asked != window) {
        asked = window;
        frames = 0;
        emscripten_request_animation_frame(
            [](double, void*) -> EM_BOOL {
                emscripten_request_animation_frame(
                    [](double, void*) -> EM_BOOL {
                        frames = 2;
                        return EM_FALSE;
                    },
                    nullptr);
                return EM_FALSE;
            },
            nullptr);
    }
    return frames == 2;
}

bool boxesWait() {
    return false;
}

void sayToScreenReader(const QString& text) {
    tellPage("kozmat-say", text);
}

int titleBarRoom() {
    return 96;
}

void leaveOpenGLUnloaded() {
    // Qt for the web has no other way to draw than its own.
}

} // namespace platform
