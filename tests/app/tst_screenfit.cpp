// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows on a small screen: a window larger than the screen's available area opens no larger
// than that area, and every control can be reached, by the keyboard too; on an ordinary screen
// nothing changes. CTest runs this on a 960×540 screen (a 1920×1080 screen at scale 2) and on
// a 1920×1080 one; KOZMAT_EXPECT_SCROLL says which.

#include "app/application.h"
#include "windows/catalogue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using windows::WindowId;

Q_DECLARE_METATYPE(WindowId)

class TestScreenFit : public QObject {
    Q_OBJECT

    std::optional<app::Application> application;

    static bool expectScroll() { return qEnvironmentVariableIntValue("KOZMAT_EXPECT_SCROLL"); }

    // Whether the control shows whole inside the area's viewport.
    static bool inView(const QScrollArea* area, const QWidget* control) {
        if (!area->widget()->isAncestorOf(control))
            return false;
        const QRect shown(control->mapTo(area->viewport(), QPoint(0, 0)), control->size());
        return area->viewport()->rect().contains(shown);
    }

private slots:
    void initTestCase() {
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(screen, expectScroll() ? QSize(960, 540) : QSize(1920, 1080));
        application.emplace();
    }

    void window_data() {
        QTest::addColumn<WindowId>("id");
        for (WindowId id : windows::allWindowIds)
            QTest::newRow(windows::windowInfo(id).form) << id;
    }
    void window() {
        QFETCH(WindowId, id);
        QWidget* window = application->windows().show(id);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* area = window->findChild<QScrollArea*>();
        const QSize room = window->screen()->availableGeometry().size();

        if (!expectScroll()) {
            QVERIFY(!area);
            QCOMPARE(window->size(), QSize(533, 574));
            for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QCOMPARE(child->parentWidget(), window);
            return;
        }
        QVERIFY(area);
        QVERIFY(window->width() <= room.width() && window->height() <= room.height());
        QVERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(!area->horizontalScrollBar()->isVisible()); // 533 pixels fit across

        // Every control can be scrolled into view.
        for (QWidget* control : area->widget()->findChildren<QWidget*>()) {
            if (qobject_cast<QGroupBox*>(control) && control->height() > area->viewport()->height())
                continue; // a frame taller than the view: its own controls are checked
            area->ensureWidgetVisible(control, 0, 0);
            QVERIFY2(inView(area, control), qPrintable(control->objectName()));
        }
        // The keyboard reaches every tab stop, and the focus is always in view.
        area->verticalScrollBar()->setValue(0);
        QWidget* first = QApplication::focusWidget();
        QVERIFY(first);
        int stops = 0;
        QWidget* at = first;
        do {
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
            QVERIFY(at);
            QVERIFY2(inView(area, at), qPrintable(at->objectName()));
        } while (at != first && ++stops < 100);
        QVERIFY(stops > 0 && stops < 100);
        window->close();
    }
};

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
