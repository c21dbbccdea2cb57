// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The start window's behaviour: its calculator, its menu, its credits buttons and its exit.

#include "app/application.h"
#include "harness.h"
#include "windows/start/startwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <optional>

Q_DECLARE_METATYPE(windows::WindowId)

using harness::local;

class TestStartWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<StartWindow> window;
    std::vector<windows::WindowId> opened;
    int exits = 0;
    harness::MessageRecorder messages;

    template <class T> T* get(const char* name) { return harness::get<T>(window.get(), name); }
    void type(const char* box, const QString& text) { harness::type(window.get(), box, text); }
    void click(const char* button) { harness::click(window.get(), button); }
    QString result() { return get<QLabel>("Label1")->text(); }
    QString greeting() { return get<QLabel>("Label4")->text(); }

private slots:
    void initTestCase() {
        app::prepareApplication();
        // Where the environment names a separator, the locale must really use it.
        const QByteArray lang = qgetenv("LC_ALL");
        QCOMPARE(QLocale::system().decimalPoint(), lang.startsWith("de_") ? u"," : u".");
    }
    void init() {
        opened.clear();
        messages.clear();
        exits = 0;
        window = std::make_unique<StartWindow>(StartWindow::Actions{
            [this](windows::WindowId s) { opened.push_back(s); }, [this] { ++exits; }});
        window->show();
    }
    void cleanup() { window.reset(); }

    void initialState() {
        QVERIFY(get<QLineEdit>("Text1")->text().isEmpty());
        QVERIFY(get<QLineEdit>("Text2")->text().isEmpty());
        for (const char* option : {"Option1", "Option2", "Option3", "Option4"})
            QVERIFY(!get<QRadioButton>(option)->isChecked());
        QVERIFY(result().isEmpty());
        QCOMPARE(greeting(), u"أتمنى أن ينال البرنامج إعجابكم");
    }

    void calculator_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* first, const char* second,
                            const char* option, const char* expected) {
            QTest::newRow(name) << first << second << option << expected;
        };
        row("7 + 2", "7", "2", "Option1", "9");
        row("7 - 2", "7", "2", "Option2", "5");
        row("7 * 2", "7", "2", "Option3", "14");
        row("7 / 2", "7", "2", "Option4", "3.5");
        row("2 - 7 is first minus second", "2", "7", "Option2", "-5");
        row("empty boxes add to 0", "", "", "Option1", "0");
        row("12abc * 3", "12abc", "3", "Option3", "36");
        row("1 / 3 has 15 digits", "1", "3", "Option4", "0.333333333333333");
        row("typed with the point", "2.5", "0.1", "Option1", "2.6");
        // Where the comma is the user's separator it is the point, elsewhere it ends the number.
        row("a comma", "2,5", "1", "Option1",
            QLocale::system().decimalPoint() == u"," ? "3.5" : "3");
        row("0 / 5", "0", "5", "Option4", "0");
        row("large", "1e200", "1e100", "Option3", "1E+300");
    }
    void calculator() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, option);
        QFETCH(QString, expected);
        type("Text1", first);
        type("Text2", second);
        QTest::mouseClick(get<QRadioButton>(qPrintable(option)), Qt::LeftButton);
        click("Command11");
        QCOMPARE(result(), local(expected));
        QVERIFY(messages.empty());
    }

    void noOptionLeavesTheResult() {
        type("Text1", "4");
        type("Text2", "5");
        click("Command11");
        QVERIFY(result().isEmpty());
        QTest::mouseClick(get<QRadioButton>("Option3"), Qt::LeftButton);
        click("Command11");
        QCOMPARE(result(), u"20");
        // Another operation, or other values, change nothing until the next press.
        QTest::mouseClick(get<QRadioButton>("Option1"), Qt::LeftButton);
        type("Text1", "100");
        QCOMPARE(result(), u"20");
        QVERIFY(get<QRadioButton>("Option1")->isChecked());
        QVERIFY(!get<QRadioButton>("Option3")->isChecked());
        click("Command11");
        QCOMPARE(result(), u"105");
    }

    void errorsLeaveEverythingAsItWas_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("message");
        const QString byZero = u"خطأ 11: القسمة على صفر"_qs, overflow = u"خطأ 6: تجاوز السعة"_qs;
        const auto row = [](const char* name, const char* first, const char* second,
                            const char* option, const QString& message) {
            QTest::newRow(name) << first << second << option << message;
        };
        row("5 / 0", "5", "0", "Option4", byZero);
        row("0 / 0", "0", "0", "Option4", overflow);
        row("-5 / 0", "-5", "", "Option4", byZero);
        row("overflowing product", "1e200", "1e200", "Option3", overflow);
        row("overflowing sum", "1.7e308", "1.7e308", "Option1", overflow);
        row("number beyond a double", "1e400", "1", "Option1", overflow);
    }
    void errorsLeaveEverythingAsItWas() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, option);
        QFETCH(QString, message);
        type("Text1", "1");
        type("Text2", "2");
        QTest::mouseClick(get<QRadioButton>("Option1"), Qt::LeftButton);
        click("Command11");
        QCOMPARE(result(), u"3");

        type("Text1", first);
        type("Text2", second);
        QTest::mouseClick(get<QRadioButton>(qPrintable(option)), Qt::LeftButton);
        click("Command11");
        QCOMPARE(messages.size(), size_t(1));
        QCOMPARE(messages[0].prompt, message);
        QCOMPARE(messages[0].title, u"كوزماط");
        QCOMPARE(messages[0].style, 0);
        QCOMPARE(result(), u"3");
        QCOMPARE(get<QLineEdit>("Text1")->text(), first);
        QCOMPARE(get<QLineEdit>("Text2")->text(), second);
        QVERIFY(get<QRadioButton>(qPrintable(option))->isChecked());
        QVERIFY(window->isVisible());

        // The program goes on: the next press computes.
        type("Text1", "6");
        type("Text2", "4");
        QTest::mouseClick(get<QRadioButton>("Option3"), Qt::LeftButton);
        click("Command11");
        QCOMPARE(messages.size(), size_t(1));
        QCOMPARE(result(), u"24");
    }

    void arabicIndicDigits() {
        type("Text1", u"١٢٫٥"_qs);
        QCOMPARE(get<QLineEdit>("Text1")->text(), u"١٢٫٥");
        type("Text2", "2");
        QTest::mouseClick(get<QRadioButton>("Option3"), Qt::LeftButton);
        click("Command11");
        QCOMPARE(result(), u"25");
    }

    void menuOpensEachShape_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<windows::WindowId>("shape");
        QTest::newRow("square") << "Command1" << windows::WindowId::Square;
        QTest::newRow("rectangle") << "Command2" << windows::WindowId::Rectangle;
        QTest::newRow("rhombus") << "Command3" << windows::WindowId::Rhombus;
        QTest::newRow("parallelogram") << "Command4" << windows::WindowId::Parallelogram;
        QTest::newRow("circle") << "Command5" << windows::WindowId::Circle;
        QTest::newRow("triangle") << "Command6" << windows::WindowId::Triangle;
    }
    void menuOpensEachShape() {
        QFETCH(QString, button);
        QFETCH(windows::WindowId, shape);
        type("Text1", "7");
        click(qPrintable(button));
        QCOMPARE(opened, std::vector{shape});
        QCOMPARE(get<QLineEdit>("Text1")->text(), u"7");
        QCOMPARE(exits, 0);
    }

    void exitButton() {
        click("Command10");
        QCOMPARE(exits, 1);
        QVERIFY(opened.empty());
    }
};

QTEST_MAIN(TestStartWindow)
#include "tst_startwindow.moc"
