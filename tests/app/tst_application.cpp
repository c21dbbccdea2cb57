// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The life of the program: welcome before any window, one window per slot, the shape windows
// opened from the start window's menu, exit with farewell, and errors that leave the program
// running.

#include "app/application.h"
#include "harness.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <optional>

using harness::settle;
using harness::visibleForms;
using harness::visibleWindows;
using windows::WindowId;

Q_DECLARE_METATYPE(WindowId)

namespace {

// The shape windows: every window the start window's menu opens.
std::vector<WindowId> shapes() {
    std::vector<WindowId> ids;
    for (WindowId id : windows::allWindowIds)
        if (windows::windowInfo(id).menuButton)
            ids.push_back(id);
    return ids;
}

} // namespace

class TestApplication : public QObject {
    Q_OBJECT

    std::optional<app::Application> application;
    harness::MessageRecorder messages;

    QWidget* start() { return application->windows().window(WindowId::Start); }
    template <class T> T* get(const char* name) { return start()->findChild<T*>(name); }

    // Presses the shape's menu button on the start window; returns the window it shows.
    QWidget* openFromMenu(WindowId id) {
        const windows::WindowInfo& info = windows::windowInfo(id);
        QTest::mouseClick(get<QPushButton>(info.menuButton), Qt::LeftButton);
        QWidget* w = application->windows().window(id);
        if (w && w->objectName() != harness::name(info.form))
            qFatal("%s opened %s", info.menuButton, qPrintable(w->objectName()));
        return w;
    }

private slots:
    void init() {
        messages.clear();
        application.emplace();
        application->start();
    }
    void cleanup() {
        application.reset();
        settle();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void welcomeComesBeforeAnyWindow() {
        QCOMPARE(messages.size(), size_t(1));
        QCOMPARE(messages[0].prompt, u"أهلا و سهلا بكم في كوزماط الإصدار الأول");
        QCOMPARE(messages[0].title, u"ترحيب");
        QCOMPARE(messages[0].style, 4096);
        QCOMPARE(messages[0].visibleWindows, 0);
        QVERIFY(start());
        QVERIFY(start()->isVisible());
        QCOMPARE(start()->objectName(), u"البداية");
        QCOMPARE(visibleWindows(), 1);
    }

    void oneWindowPerSlot() {
        QWidget* first = start();
        QCOMPARE(application->windows().show(WindowId::Start), first);
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    }

    void closedWindowIsBuiltAnewWithItsInitialContents() {
        get<QLineEdit>("Text1")->setText(u"42"_qs);
        QTest::mouseClick(get<QPushButton>("Command7"), Qt::LeftButton);
        QVERIFY(start()->close());
        settle();
        QVERIFY(!start());
        QCOMPARE(visibleWindows(), 0);

        QWidget* again = application->windows().show(WindowId::Start);
        QVERIFY(again && again->isVisible());
        QVERIFY(get<QLineEdit>("Text1")->text().isEmpty());
        QCOMPARE(get<QLabel>("Label4")->text(), u"أتمنى أن ينال البرنامج إعجابكم");
    }

    // The farewell is shown while the windows are still there, then every window is gone at once.
    void exitSaysGoodbyeAndEnds_data() {
        QTest::addColumn<bool>("shapesOpen");
        QTest::newRow("the start window alone") << false;
        QTest::newRow("every window open") << true;
    }
    void exitSaysGoodbyeAndEnds() {
        QFETCH(bool, shapesOpen);
        if (shapesOpen)
            for (WindowId id : shapes())
                QVERIFY(openFromMenu(id));
        const int open = visibleWindows();
        QCOMPARE(open, shapesOpen ? 7 : 1);
        QTimer::singleShot(
            0, this, [&] { QTest::mouseClick(get<QPushButton>("Command10"), Qt::LeftButton); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(messages.size(), size_t(2));
        QCOMPARE(messages[1].prompt, u"مع السلامة");
        QCOMPARE(messages[1].title, u"توديع");
        QCOMPARE(messages[1].style, 0);
        QCOMPARE(messages[1].visibleWindows, open);
        QCOMPARE(visibleWindows(), 0);
    }

    void allShapeWindowsOpenBesideTheStartWindow() {
        for (WindowId id : shapes()) {
            QWidget* w = openFromMenu(id);
            QVERIFY2(w, windows::windowInfo(id).menuButton);
            QVERIFY(w->isVisible());
            QVERIFY(w->isWindow());
            QVERIFY(!w->parentWidget());
            QVERIFY(!w->isModal());
        }
        QCOMPARE(visibleWindows(), 7);
        QCOMPARE(visibleForms(), harness::allForms());
        QCOMPARE(messages.size(), size_t(1));

        // The start window stays usable: its calculator computes.
        get<QLineEdit>("Text1")->setText(u"7"_qs);
        get<QLineEdit>("Text2")->setText(u"2"_qs);
        QTest::mouseClick(get<QRadioButton>("Option3"), Qt::LeftButton);
        QTest::mouseClick(get<QPushButton>("Command11"), Qt::LeftButton);
        QCOMPARE(get<QLabel>("Label1")->text(), u"14");
        QCOMPARE(visibleWindows(), 7);
    }

    void sameButtonTwiceLeavesOneWindow_data() {
        QTest::addColumn<WindowId>("id");
        for (WindowId id : shapes())
            QTest::newRow(windows::windowInfo(id).menuButton) << id;
    }
    void sameButtonTwiceLeavesOneWindow() {
        QFETCH(WindowId, id);
        QWidget* first = openFromMenu(id);
        QVERIFY(first);
        if (auto* box = first->findChild<QLineEdit*>(u"Text1"_qs))
            box->setText(u"42"_qs);
        // Another window comes in front of it, and it is minimized.
        const WindowId other = id == WindowId::Square ? WindowId::Circle : WindowId::Square;
        QVERIFY(openFromMenu(other));
        first->showMinimized();
        QCOMPARE(visibleWindows(), 3);

        QCOMPARE(openFromMenu(id), first);
        QCOMPARE(visibleWindows(), 3);
        QCOMPARE(QApplication::topLevelWidgets().size(), 3);
        QVERIFY(first->isVisible());
        QVERIFY(!first->isMinimized());
        // Activation goes through the desktop, which may take its time (Wine).
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), first, 20000);
        if (auto* box = first->findChild<QLineEdit*>(u"Text1"_qs))
            QCOMPARE(box->text(), u"42");
    }

    // Opened at once, or after the program has had idle time to prepare a hidden copy: either
    // way a window reopened after its close box shows its initial contents.
    void reopenedShapeWindowShowsItsInitialContents_data() {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<bool>("idle");
        for (WindowId id : shapes()) {
            QTest::addRow("%s at once", windows::windowInfo(id).menuButton) << id << false;
            QTest::addRow("%s after idle time", windows::windowInfo(id).menuButton) << id << true;
        }
    }
    void reopenedShapeWindowShowsItsInitialContents() {
        QFETCH(WindowId, id);
        QFETCH(bool, idle);
        app::WindowRegistry& windows = application->windows();
        QPointer<QWidget> spare;
        if (idle) {
            QTRY_VERIFY(windows.prepared(id));
            spare = windows.prepared(id);
            QVERIFY(!spare->isVisible());
            QCOMPARE(visibleWindows(), 1);
        }
        QWidget* w = openFromMenu(id);
        QVERIFY(w);
        if (idle) {
            QCOMPARE(w, spare.data());
            QVERIFY(!windows.prepared(id));
        }
        // Everything typed, computed and written in it.
        for (QLineEdit* box : w->findChildren<QLineEdit*>())
            box->setText(u"5"_qs);
        for (QPushButton* button : w->findChildren<QPushButton*>())
            QTest::mouseClick(button, Qt::LeftButton);
        if (auto* greeting = w->findChild<QLabel*>(u"Label10"_qs))
            QVERIFY(greeting->text() != u"أتمنى أن ينال البرنامج إعجابكم");
        QPointer<QWidget> closed = w;
        QVERIFY(w->close());
        settle();
        QVERIFY(!closed);
        QCOMPARE(visibleWindows(), 1);
        if (idle) {
            QTRY_VERIFY(windows.prepared(id));
            spare = windows.prepared(id);
            QVERIFY(!spare->isVisible());
        }

        w = openFromMenu(id);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        if (idle)
            QCOMPARE(w, spare.data());
        const bool circle = id == WindowId::Circle;
        for (QLineEdit* box : w->findChildren<QLineEdit*>()) {
            const bool result =
                circle && (box->objectName() == u"Text2" || box->objectName() == u"Text4");
            QCOMPARE(box->text(), result ? u"النتيجة"_qs : QString());
        }
        if (id != WindowId::Triangle)
            QCOMPARE(w->findChild<QLabel*>(u"Label10"_qs)->text(),
                     u"أتمنى أن ينال البرنامج إعجابكم");
        QCOMPARE(messages.size(), size_t(1));
    }

    // While a real modal box waits for its OK the start window is built, hidden; it is the one
    // shown after the OK, and nothing but the box was visible before. (That the box is drawn
    // before the building starts shows on a real display only: bench/run times it.)
    void startWindowIsPreparedWhileTheWelcomeWaits() {
        application.reset();
        settle();
        QPointer<QWidget> preparedDuringWelcome;
        int visibleDuringWelcome = -1;
        const widgets::MessageHook testHook =
            widgets::setMessageHook([&](const QString& prompt, const QString&, int) {
                QDialog box;
                box.setWindowTitle(prompt);
                box.setModal(true);
                QTimer poll;
                QElapsedTimer waited;
                waited.start();
                poll.setInterval(1);
                connect(&poll, &QTimer::timeout, &box, [&] {
                    const bool drawn = box.windowHandle() && box.windowHandle()->isExposed();
                    if (!drawn)
                        return;
                    preparedDuringWelcome = application->windows().prepared(WindowId::Start);
                    if (!preparedDuringWelcome && waited.elapsed() < 5000)
                        return;
                    visibleDuringWelcome = visibleWindows();
                    box.accept();
                });
                poll.start();
                box.exec();
            });
        application.emplace();
        application->start();
        widgets::setMessageHook(testHook);
        QVERIFY(preparedDuringWelcome);
        QCOMPARE(visibleDuringWelcome, 1);
        QCOMPARE(start(), preparedDuringWelcome.data());
        QVERIFY(start()->isVisible());
        QCOMPARE(visibleWindows(), 1);
    }

    // Closing the start window leaves the shape windows open and working; the program ends
    // with its last window.
    void closingTheStartWindowLeavesShapeWindowsOpen() {
        QPointer<QWidget> square = openFromMenu(WindowId::Square);
        QPointer<QWidget> circle = openFromMenu(WindowId::Circle);
        QVERIFY(square && circle);
        bool working = false;
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
        QTimer::singleShot(0, this, [&] { start()->close(); });
        QTimer::singleShot(0, this, [&] {
            if ((start() && start()->isVisible()) || !square->isVisible() || !circle->isVisible())
                return;
            square->findChild<QLineEdit*>(u"Text1"_qs)->setText(u"5"_qs);
            QTest::mouseClick(square->findChild<QPushButton*>(u"Command1"_qs), Qt::LeftButton);
            working = square->findChild<QLineEdit*>(u"Text3"_qs)->text() == u"20";
            circle->close();
        });
        // The square is the last window: the program ends when it closes.
        QTimer::singleShot(0, this, [&] {
            if (square)
                square->close();
        });
        // Only a stop for a program that would never end; generous, for slow desktops (Wine).
        deadline.start(30000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(working);
        QCOMPARE(visibleWindows(), 0);
        QCOMPARE(messages.size(), size_t(1));
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
