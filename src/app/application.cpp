// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"

#include "access/keyboard.h"
#include "look/look.h"
#include "platform/program.h"
#include "platform/toolkittexts.h"
#include "widgets/messagebox.h"
#include "windows/reference/trianglewindow.h"
#include "windows/shapes/circlewindow.h"
#include "windows/shapes/parallelogramwindow.h"
#include "windows/shapes/rectanglewindow.h"
#include "windows/shapes/rhombuswindow.h"
#include "windows/shapes/squarewindow.h"
#include "windows/start/startwindow.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

namespace app {
namespace {

WindowId windowOf(StartWindow::Shape shape) {
    // In the order of StartWindow::Shape.
    constexpr WindowId shapeWindows[] = {WindowId::Square,  WindowId::Rectangle,
                                         WindowId::Rhombus, WindowId::Parallelogram,
                                         WindowId::Circle,  WindowId::Triangle};
    return shapeWindows[static_cast<std::size_t>(shape)];
}

} // namespace

void prepareApplication() {
    look::installLook();
    platform::installToolkitTexts();
    accessibility::installEnterClicks();
}

Application::Application() {
    prepareApplication();
    windows_.add(WindowId::Start, [this] {
        return new StartWindow({
            .openShape = [this](StartWindow::Shape shape) { windows_.show(windowOf(shape)); },
            .exit = [this] { exit(); },
        });
    });
    windows_.add(WindowId::Square, [] { return new SquareWindow; });
    windows_.add(WindowId::Rectangle, [] { return new RectangleWindow; });
    windows_.add(WindowId::Rhombus, [] { return new RhombusWindow; });
    windows_.add(WindowId::Parallelogram, [] { return new ParallelogramWindow; });
    windows_.add(WindowId::Circle, [] { return new CircleWindow; });
    windows_.add(WindowId::Triangle, [] { return new TriangleWindow; });
}

void Application::start() {
    // Nothing of the program is visible before the welcome message, and the message comes up
    // as early as possible: the start window is built, hidden, only once the message box is
    // on the screen and drawn, while it waits for its OK.
    QTimer welcomed;
    welcomed.setInterval(1);
    QObject::connect(&welcomed, &QTimer::timeout, &welcomed, [this, &welcomed] {
        const QWidget* box = QApplication::activeModalWidget();
        // Drawn: on the xcb platform an exposed window is painted while its expose is handled.
        if (!box || !box->windowHandle() || !box->windowHandle()->isExposed())
            return;
        welcomed.stop();
        windows_.prepare(WindowId::Start);
    });
    welcomed.start();
    widgets::showMessage(QStringLiteral("أهلا و سهلا بكم في كوزماط الإصدار الأول"),
                         QStringLiteral("ترحيب"), widgets::SystemModal);
    welcomed.stop();
    windows_.show(WindowId::Start);
    windows_.prepareInIdle({WindowId::Square, WindowId::Rectangle, WindowId::Rhombus,
                            WindowId::Parallelogram, WindowId::Circle, WindowId::Triangle});
}

void Application::exit() {
    widgets::showMessage(QStringLiteral("مع السلامة"), QStringLiteral("توديع"),
                         widgets::ApplicationModal);
    platform::endProgram();
}

} // namespace app
