// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the program's windows and calculators from inside, on the display it is given: the first
// showing of each of the seven windows, showing an open window again, opening a closed window
// again, and each calculator's click from typed boxes to written result.
//
// usage: kozmat-inprocess [--reps N] [--order K]
//   --order K rotates the order in which the six shape windows are first shown, so that the
//   one-time costs of the first shape window do not always fall on the same one.
// The shape windows are opened by clicking the start window's menu, once the program has had
// the idle time a user reading the start window gives it.
// Prints tab-separated lines: "<measure>\t<subject>\t<milliseconds>", medians over N repetitions
// where a measure is repeated; a line "error\t..." and exit status 1 when something is wrong.

#include "app/application.h"
#include "platform/fonts.h"
#include "widgets/messagebox.h"
#include "windows/catalogue.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using app::WindowId;

// The names the report gives the windows, by WindowId.
const char* const windowNames[] = {"Start",         "Square", "Rectangle", "Rhombus",
                                   "Parallelogram", "Circle", "Triangle"};

struct Window {
    WindowId id;
    const char* name;
    const char* menuButton; // on the start window
};

std::vector<Window> shapeWindows() {
    std::vector<Window> shapes;
    for (WindowId id : windows::allWindowIds)
        if (const char* menu = windows::windowInfo(id).menuButton)
            shapes.push_back({id, windowNames[int(id)], menu});
    return shapes;
}
const Window startWindow = {WindowId::Start, "Start", nullptr};

// A calculator as the report names it: its window, button and option.
std::string calculatorName(const windows::Calculator& c) {
    std::string name = std::string(windowNames[int(c.window)]) + ": " + c.button;
    if (c.option)
        name += std::string(" (") + c.option + ")";
    return name;
}

[[noreturn]] void fail(const QString& what) {
    std::printf("error\t%s\n", qPrintable(what));
    std::fflush(stdout);
    std::exit(1);
}

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void report(const char* measure, const char* subject, double value) {
    std::printf("%s\t%s\t%.4f\n", measure, subject, value);
}

// Handles events until the window is on the screen and has drawn its first frame (on the xcb
// platform a newly exposed window is painted while its expose event is handled).
void waitUntilDrawn(QWidget* w) {
    QElapsedTimer limit;
    limit.start();
    while (!w->windowHandle() || !w->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (limit.elapsed() > 10000)
            fail(QStringLiteral("window %1 not exposed").arg(w->objectName()));
    }
    QCoreApplication::processEvents();
}

void click(QPushButton* button);

// Lets the program idle, as it does while the user looks at a window, until the spares of the
// shape windows are ready; returns how long that took.
double idleUntilPrepared(app::Application& application) {
    QElapsedTimer t;
    t.start();
    auto ready = [&] {
        for (const Window& s : shapeWindows())
            if (!application.windows().window(s.id) && !application.windows().prepared(s.id))
                return false;
        return true;
    };
    while (!ready()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        if (t.elapsed() > 10000)
            fail(QStringLiteral("the shape windows were not prepared in idle time"));
    }
    return ms(t);
}

// Clicks the window's button on the start window's menu and waits until the window it opens
// is drawn; returns the time from the click.
double timedMenuClick(app::Application& application, const Window& s) {
    QWidget* start = application.windows().window(WindowId::Start);
    auto* button = start ? start->findChild<QPushButton*>(QLatin1String(s.menuButton)) : nullptr;
    if (!button)
        fail(QStringLiteral("no menu button %1").arg(QLatin1String(s.menuButton)));
    QElapsedTimer t;
    t.start();
    click(button);
    QWidget* w = application.windows().window(s.id);
    if (!w || !w->isVisible())
        fail(QStringLiteral("%1 opened no window").arg(QLatin1String(s.menuButton)));
    waitUntilDrawn(w);
    return ms(t);
}

void click(QPushButton* button) {
    const QPointF at = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QApplication::sendEvent(button, &release);
}

QString resultText(QWidget* w, const char* name) {
    if (auto* box = w->findChild<QLineEdit*>(QLatin1String(name)))
        return box->text();
    if (auto* label = w->findChild<QLabel*>(QLatin1String(name)))
        return label->text();
    fail(QStringLiteral("no result box %1").arg(QLatin1String(name)));
}

void clearResult(QWidget* w, const char* name) {
    if (auto* box = w->findChild<QLineEdit*>(QLatin1String(name)))
        box->clear();
    else if (auto* label = w->findChild<QLabel*>(QLatin1String(name)))
        label->clear();
}

template <class T> T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QLatin1String(name));
    if (!c)
        fail(QStringLiteral("%1 has no %2").arg(w->objectName(), QLatin1String(name)));
    return c;
}

void timeCalculator(app::Application& application, const windows::Calculator& calc, int reps) {
    QWidget* w = application.windows().show(calc.window);
    waitUntilDrawn(w);
    if (calc.option)
        child<QRadioButton>(w, calc.option)->setChecked(true);
    std::vector<QLineEdit*> inputs;
    for (const char* name : calc.inputs)
        if (std::ranges::find(inputs, child<QLineEdit>(w, name)) == inputs.end())
            inputs.push_back(child<QLineEdit>(w, name));
    QPushButton* button = child<QPushButton>(w, calc.button);
    const std::string name = calculatorName(calc);

    std::vector<double> written, drawn;
    for (int i = 0; i < reps; ++i) {
        clearResult(w, calc.output);
        QCoreApplication::processEvents();
        const QString value = QString::number(2.5 + i);
        QElapsedTimer t;
        t.start();
        for (QLineEdit* input : inputs)
            input->setText(value);
        click(button);
        written.push_back(ms(t));
        QCoreApplication::processEvents(); // the boxes and the result drawn again
        drawn.push_back(ms(t));
        if (resultText(w, calc.output).isEmpty())
            fail(QStringLiteral("%1 wrote no result").arg(QString::fromStdString(name)));
    }
    report("click", name.c_str(), median(written));
    report("click+draw", name.c_str(), median(drawn));
}

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer total;
    total.start();
    platform::startOnOwnFonts(); // as the program starts
    QApplication qapp(argc, argv);
    int reps = 200, order = 0;
    const QStringList args = QApplication::arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == u"--reps")
            reps = std::max(1, args[i + 1].toInt());
        else if (args[i] == u"--order")
            order = args[i + 1].toInt();
    }

    QElapsedTimer t;
    t.start();
    app::Application application;
    report("look", "fonts, style, palette", ms(t));

    // Start-up as in the program: the welcome box, shown for real and dismissed a reading time
    // after it is drawn (the program prepares the start window meanwhile), then the start window.
    constexpr double readingMs = 300;
    double welcomeDrawn = -1, dismissed = -1;
    QTimer dismiss;
    dismiss.setInterval(1);
    QObject::connect(&dismiss, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || !box->windowHandle() || !box->windowHandle()->isExposed())
            return;
        if (welcomeDrawn < 0)
            welcomeDrawn = ms(t);
        if (ms(t) - welcomeDrawn < readingMs)
            return;
        dismiss.stop();
        dismissed = ms(t);
        box->accept();
    });
    t.start();
    dismiss.start();
    application.start();
    QWidget* start = application.windows().window(WindowId::Start);
    if (dismissed < 0 || !start)
        fail(QStringLiteral("start-up did not show the welcome, then the start window"));
    waitUntilDrawn(start);
    report("first", "Welcome box", welcomeDrawn);
    report("first", startWindow.name, ms(t) - dismissed);

    // From here on messages are counted, not shown: none is expected.
    int messages = 0;
    widgets::setMessageHook([&](const QString&, const QString&, int) { ++messages; });

    // The user reads the start window before choosing from its menu.
    report("idle", "shape windows prepared", idleUntilPrepared(application));
    const std::vector<Window> shapes = shapeWindows();
    const int n = static_cast<int>(shapes.size());
    for (int k = 0; k < n; ++k) {
        const Window& s = shapes[static_cast<std::size_t>((k + order) % n)];
        report("first", s.name, timedMenuClick(application, s));
    }
    report("all seven shown", "since main", ms(total));

    // Showing an open window again only brings it to the front.
    std::vector<Window> all = {startWindow};
    all.insert(all.end(), shapes.begin(), shapes.end());
    for (const Window& s : all) {
        std::vector<double> times;
        for (int i = 0; i < reps; ++i) {
            QElapsedTimer r;
            r.start();
            application.windows().show(s.id);
            QCoreApplication::processEvents();
            times.push_back(ms(r));
        }
        report("again", s.name, median(times));
    }

    for (const windows::Calculator& calc : windows::calculators())
        timeCalculator(application, calc, reps);

    // A window closed with its close box opens again with its initial contents, from a copy
    // made in idle time after the close.
    const int reopens = std::max(1, reps / 10);
    for (const Window& s : shapes) {
        std::vector<double> times;
        for (int i = 0; i < reopens; ++i) {
            QPointer<QWidget> closed = application.windows().window(s.id);
            closed->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (closed)
                fail(QStringLiteral("closed window %1 was kept").arg(QLatin1String(s.name)));
            idleUntilPrepared(application);
            times.push_back(timedMenuClick(application, s));
        }
        report("reopened", s.name, median(times));
    }
    if (messages != 0)
        fail(QStringLiteral("%1 unexpected messages (a calculator reported an error?)")
                 .arg(messages));
    std::fflush(stdout);
    return 0;
}
