// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The message box of a run-time error belongs to the window whose button raised it, and the
// farewell to the start window: the desktop shows each over its own window, not over whatever
// window happens to be in front.

#include "app/application.h"
#include "windows/catalogue.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

using windows::WindowId;

Q_DECLARE_METATYPE(WindowId)

class TestErrorOwner : public QObject {
    Q_OBJECT

    struct Seen {
        QString prompt;
        QWidget* parent = nullptr;
        QWindow* transientParent = nullptr;
        bool applicationModal = false;
    };

    // Presses the button, and answers the box it opens once that box is up.
    static Seen pressAndAnswer(QPushButton* button) {
        Seen seen;
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.prompt = box->text();
            seen.parent = box->parentWidget();
            seen.transientParent =
                box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
            seen.applicationModal = box->windowModality() == Qt::ApplicationModal;
            box->buttons().front()->click();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        return seen;
    }

private slots:
    void runtimeErrorBoxBelongsToItsWindow_data() {
        QTest::addColumn<WindowId>("id");
        for (WindowId id : windows::allWindowIds)
            if (id != WindowId::Triangle) // the reference page has no calculator
                QTest::newRow(windows::windowInfo(id).form) << id;
    }
    void runtimeErrorBoxBelongsToItsWindow() {
        QFETCH(WindowId, id);
        app::Application application;
        // Every window open, the start window last, so that it is in front whatever raises.
        for (WindowId other : windows::allWindowIds)
            if (other != WindowId::Start)
                application.windows().show(other);
        application.windows().show(WindowId::Start);
        QWidget* window = application.windows().window(id);
        QVERIFY(QTest::qWaitForWindowExposed(window));

        const windows::Calculator* calculator = nullptr;
        for (const windows::Calculator& c : windows::calculators())
            if (c.window == id && !calculator)
                calculator = &c;
        QVERIFY(calculator);
        // A number beyond the range of a double is a run-time error on every calculator.
        window->findChild<QLineEdit*>(calculator->inputs.front())->setText(u"1e400"_qs);
        if (calculator->option)
            window->findChild<QRadioButton*>(calculator->option)->setChecked(true);
        const Seen seen =
            pressAndAnswer(window->findChild<QPushButton*>(QString::fromUtf8(calculator->button)));

        QCOMPARE(seen.prompt, u"خطأ 6: تجاوز السعة"_qs);
        QCOMPARE(seen.parent, window);
        QVERIFY(seen.transientParent);
        QCOMPARE(seen.transientParent, window->windowHandle());
        QVERIFY(seen.applicationModal);
        QVERIFY(window->isVisible()); // the program goes on
    }

    void farewellBelongsToTheStartWindow() {
        app::Application application;
        QWidget* start = application.windows().show(WindowId::Start);
        application.windows().show(WindowId::Square);
        QVERIFY(QTest::qWaitForWindowExposed(start));
        const Seen seen = pressAndAnswer(start->findChild<QPushButton*>(u"Command10"_qs));
        QCOMPARE(seen.prompt, u"مع السلامة"_qs);
        QCOMPARE(seen.parent, start);
        QVERIFY(seen.applicationModal);
    }
};

QTEST_MAIN(TestErrorOwner)
#include "tst_errorowner.moc"
