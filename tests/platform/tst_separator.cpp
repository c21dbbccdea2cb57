// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The decimal separator the program shows and reads back, from the C library's numeric setting
// of the environment the test runs in. CTest runs it under several locales; EXPECTED_SEPARATOR
// says what the C library gives there.

#include "app/application.h"
#include "numeric/numberentry.h"
#include "numeric/resulttext.h"
#include "platform/separator.h"
#include "windows/shapes/squarewindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <clocale>

namespace {

QChar expectedSeparator() {
    const QString expected = qEnvironmentVariable("EXPECTED_SEPARATOR");
    if (expected.size() != 1)
        qFatal("EXPECTED_SEPARATOR must be one character");
    return expected.front();
}

} // namespace

class TestSeparator : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::prepareApplication(); }

    void fromTheCLibrary() {
        QCOMPARE(platform::decimalSeparator(), expectedSeparator());
        // Not Qt's locale data, which gives U+066B for the Egyptian and Saudi locales.
        QVERIFY(platform::decimalSeparator() != u'\u066B');
    }

    // Qt took the whole locale from the environment, numbers included; had it reset LC_NUMERIC
    // to "C", printf-style code elsewhere would disagree with what the windows show.
    void processLocaleAgrees() {
        const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
        QVERIFY(numeric);
        if (qEnvironmentVariable("LC_ALL").startsWith(u"fr_FR"))
            QCOMPARE(QString::fromLatin1(numeric), u"fr_FR.UTF-8");
    }

    void shownAndReadBack_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("perimeter");
        QTest::newRow("3.5 with the point") << u"3.5"_qs << u"14"_qs;
        QTest::newRow("3.5 with the user's separator")
            << QString(u"3"_qs + expectedSeparator() + u"5"_qs) << "14";
        QTest::newRow("7 / 2 shown") << numeric::resultText(3.5, expectedSeparator()) << "14";
        QTest::newRow("second separator ends")
            << QString(u"1"_qs + expectedSeparator() + u"5"_qs + expectedSeparator() + u"5"_qs)
            << "6";
        QTest::newRow("a comma") << "2,5" << (expectedSeparator() == u',' ? "10" : "8");
    }
    void shownAndReadBack() {
        QFETCH(QString, typed);
        QFETCH(QString, perimeter);
        SquareWindow square;
        auto* side = square.findChild<QLineEdit*>(u"Text1"_qs);
        auto* result = square.findChild<QLineEdit*>(u"Text3"_qs);
        side->setText(typed);
        QTest::mouseClick(square.findChild<QPushButton*>(u"Command1"_qs), Qt::LeftButton);
        QCOMPARE(result->text(), perimeter);
        QCOMPARE(numeric::numberEntry(result->text(), platform::decimalSeparator()),
                 perimeter.toDouble());
    }
};

QTEST_MAIN(TestSeparator)
#include "tst_separator.moc"
