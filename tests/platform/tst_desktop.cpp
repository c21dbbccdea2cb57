// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/unix/displays.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void choosePlatform_data();
    void choosePlatform();
    void messageBox_data();
    void messageBox();
    void closedBoxGoesAfterNextWindow();
};

void TestDesktop::choosePlatform_data() {
    QTest::addColumn<QByteArray>("requested");
    QTest::addColumn<bool>("x11");
    QTest::addColumn<bool>("wayland");
    QTest::addColumn<bool>("runs");
    QTest::addColumn<QByteArray>("platform");

    QTest::newRow("both answer: Qt's choice")
        << QByteArray() << true << true << true << QByteArray();
    QTest::newRow("X only") << QByteArray() << true << false << true << QByteArray("xcb");
    QTest::newRow("Wayland only, no XWayland")
        << QByteArray() << false << true << true << QByteArray("wayland");
    QTest::newRow("no display at all") << QByteArray() << false << false << false << QByteArray();
    QTest::newRow("blank request") << QByteArray("  ") << false << false << false << QByteArray();
    QTest::newRow("offscreen needs no display")
        << QByteArray("offscreen") << false << false << true << QByteArray("offscreen");
    QTest::newRow("xcb asked, X unreachable")
        << QByteArray("xcb") << false << true << false << QByteArray();
    QTest::newRow("wayland asked, compositor there")
        << QByteArray("wayland") << false << true << true << QByteArray("wayland");
    QTest::newRow("fallback list keeps what answers")
        << QByteArray("wayland;xcb") << true << false << true << QByteArray("xcb");
    QTest::newRow("arguments kept")
        << QByteArray("xcb:nograb") << true << false << true << QByteArray("xcb:nograb");
    QTest::newRow("wayland-egl is Wayland")
        << QByteArray("wayland-egl") << true << false << false << QByteArray();
}

void TestDesktop::choosePlatform() {
    QFETCH(QByteArray, requested);
    QFETCH(bool, x11);
    QFETCH(bool, wayland);
    QFETCH(bool, runs);
    QFETCH(QByteArray, platform);
    const std::optional<QByteArray> chosen =
        platform::choosePlatform(requested, {[=] { return x11; }, [=] { return wayland; }});
    QCOMPARE(chosen.has_value(), runs);
    if (runs)
        QCOMPARE(*chosen, platform);
}

void TestDesktop::messageBox_data() {
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("style");
    QTest::newRow("welcome") << QStringLiteral("أهلا و سهلا بكم في كوزماط الإصدار الأول")
                             << QStringLiteral("ترحيب") << int(widgets::SystemModal);
    QTest::newRow("farewell") << QStringLiteral("مع السلامة") << QStringLiteral("توديع")
                              << int(widgets::ApplicationModal);
    QTest::newRow("error") << QStringLiteral("خطأ 11: القسمة على صفر") << QStringLiteral("كوزماط")
                           << int(widgets::ApplicationModal);
}

void TestDesktop::messageBox() {
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QFETCH(int, style);
    const auto box = widgets::makeMessageBox(prompt, title, style);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));

    QCOMPARE(box->windowTitle(), title);
    QCOMPARE(box->text(), prompt);
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->buttons().first()->text(), QStringLiteral("موافق"));
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QVERIFY(!box->windowIcon().isNull());

    const Qt::WindowFlags flags = box->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(bool(flags & Qt::WindowStaysOnTopHint), style == widgets::SystemModal);
    // Room for the title in a large title font beside an icon and a close button.
    QFont titleFont = QApplication::font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    QVERIFY(box->width() >= QFontMetrics(titleFont).horizontalAdvance(title) + 64);
}

void TestDesktop::closedBoxGoesAfterNextWindow() {
    QLabel next(QStringLiteral("next"));
    QPointer<QWidget> box;
    bool boxKeptForNext = false;
    QTimer::singleShot(0, [&box] {
        box = QApplication::activeModalWidget();
        static_cast<QMessageBox*>(box.data())->buttons().first()->click();
    });
    widgets::showMessage(QStringLiteral("مع السلامة"), QStringLiteral("توديع"),
                         widgets::ApplicationModal, nullptr, [&] {
                             boxKeptForNext = box && box->isHidden();
                             next.show();
                         });
    QVERIFY(boxKeptForNext);
    QTRY_VERIFY(box.isNull());
    QVERIFY(next.windowHandle()->isExposed());
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
