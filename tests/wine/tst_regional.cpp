// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// On Windows the decimal separator comes from the user's regional settings. run sets the decimal
// symbol (KOZMAT_WINE_SDECIMAL) in the Wine prefix before the program starts;
// KOZMAT_EXPECT_SEPARATOR says what the program must make of it.

#include "app/application.h"
#include "numeric/numberentry.h"
#include "platform/separator.h"
#include "widgets/messagebox.h"
#include "windows/start/startwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QChar expectedSeparator() {
    const QString expected = qEnvironmentVariable("KOZMAT_EXPECT_SEPARATOR");
    if (expected.size() != 1)
        qFatal("KOZMAT_EXPECT_SEPARATOR must be one character");
    return expected.front();
}

// A number written with the point, as the user's settings write it.
QString local(QString text) {
    return text.replace(u'.', expectedSeparator());
}

} // namespace

class TestRegional : public QObject {
    Q_OBJECT

    int messages = 0;

private slots:
    void initTestCase() {
        app::prepareApplication();
        widgets::setMessageHook([this](const QString&, const QString&, int) { ++messages; });
    }

    void separator() { QCOMPARE(platform::decimalSeparator(), expectedSeparator()); }

    void shownAndReadBack_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("shown");
        QTest::newRow("7 / 2") << "7"
                               << "2"
                               << "Option4"
                               << "3.5";
        QTest::newRow("3.5 as shown, typed back") << local(u"3.5"_qs) << "0"
                                                  << "Option1"
                                                  << "3.5";
        QTest::newRow("typed with the point") << "3.5"
                                              << "2"
                                              << "Option3"
                                              << "7";
        QTest::newRow("second separator ends the number") << local(u"1.5.5"_qs) << "1"
                                                          << "Option3"
                                                          << "1.5";
        // A comma is the point only where it is the user's separator.
        QTest::newRow("a comma") << "2,5"
                                 << "1"
                                 << "Option1" << (expectedSeparator() == u',' ? "3.5" : "3");
    }
    void shownAndReadBack() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, option);
        QFETCH(QString, shown);
        StartWindow window(StartWindow::Actions{[](windows::WindowId) {}, [] {}});
        window.show();
        QTest::keyClicks(window.findChild<QLineEdit*>(u"Text1"_qs), first);
        QTest::keyClicks(window.findChild<QLineEdit*>(u"Text2"_qs), second);
        QTest::mouseClick(window.findChild<QRadioButton*>(option), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>(u"Command11"_qs), Qt::LeftButton);
        const QString result = window.findChild<QLabel*>(u"Label1"_qs)->text();
        QCOMPARE(result, local(shown));
        QCOMPARE(numeric::numberEntry(result, platform::decimalSeparator()), shown.toDouble());
        QCOMPARE(messages, 0);
    }
};

QTEST_MAIN(TestRegional)
#include "tst_regional.moc"
