// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The shape windows' behaviour: their calculators, the faults that leave everything as it was,
// their credits and contact buttons, and the triangle page that does nothing.

#include "app/application.h"
#include "widgets/messagebox.h"
#include "windows/contact.h"
#include "windows/reference/trianglewindow.h"
#include "windows/shapes/circlewindow.h"
#include "windows/shapes/parallelogramwindow.h"
#include "windows/shapes/rectanglewindow.h"
#include "windows/shapes/rhombuswindow.h"
#include "windows/shapes/squarewindow.h"
#include "windows/start/startwindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <map>
#include <memory>

namespace {

enum class Form { Start, Square, Rectangle, Rhombus, Parallelogram, Circle, Triangle };

// What is typed before a click: box name and text, in typing order.
using Inputs = QList<std::pair<QString, QString>>;

struct Message {
    QString prompt, title;
    int style;
};

const QString greetingText = u"أتمنى أن ينال البرنامج إعجابكم"_qs;
const QString circleResult = u"النتيجة"_qs;

std::unique_ptr<QWidget> build(Form form) {
    switch (form) {
    case Form::Start:
        return std::make_unique<StartWindow>(StartWindow::Actions{[](windows::WindowId) {}, [] {}});
    case Form::Square:
        return std::make_unique<SquareWindow>();
    case Form::Rectangle:
        return std::make_unique<RectangleWindow>();
    case Form::Rhombus:
        return std::make_unique<RhombusWindow>();
    case Form::Parallelogram:
        return std::make_unique<ParallelogramWindow>();
    case Form::Circle:
        return std::make_unique<CircleWindow>();
    case Form::Triangle:
        return std::make_unique<TriangleWindow>();
    }
    return nullptr;
}

// The result as the user's locale writes it: the tables below use the point.
QString local(QString text) {
    return text.replace(u'.', QLocale::system().decimalPoint());
}

// Every text the user sees in a window's boxes and labels, as "name: text" lines, so that a
// failed comparison names the box that changed.
QStringList texts(const QWidget* window) {
    std::map<QString, QString> byName;
    for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
        byName[edit->objectName()] = edit->text();
    for (const QLabel* label : window->findChildren<QLabel*>())
        byName[label->objectName()] = label->text();
    QStringList lines;
    for (const auto& [name, text] : byName)
        lines << name + u": "_qs + text;
    return lines;
}

// The same lines with one box's text replaced.
QStringList with(QStringList lines, const QString& name, const QString& text) {
    for (QString& line : lines)
        if (line.startsWith(name + u": "_qs))
            line = name + u": "_qs + text;
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(Form)
Q_DECLARE_METATYPE(windows::Contact)

class TestShapes : public QObject {
    Q_OBJECT

    std::map<Form, std::unique_ptr<QWidget>> windows;
    std::vector<Message> messages;

    QWidget* open(Form form) {
        auto& slot = windows[form];
        if (!slot) {
            slot = build(form);
            slot->show();
        }
        return slot.get();
    }
    template <class T> static T* get(QWidget* window, const QString& name) {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("%s has no %s", qPrintable(window->objectName()), qPrintable(name));
        return found;
    }
    static void type(QWidget* window, const Inputs& inputs) {
        for (const auto& [box, text] : inputs) {
            auto* edit = get<QLineEdit>(window, box);
            edit->clear();
            QTest::keyClicks(edit, text);
        }
    }
    static void click(QWidget* window, const QString& button) {
        QTest::mouseClick(get<QPushButton>(window, button), Qt::LeftButton);
    }
    static QString text(QWidget* window, const QString& box) {
        return get<QLineEdit>(window, box)->text();
    }
    static QString greeting(QWidget* window) {
        return get<QLabel>(window,
                           window->objectName() == u"البداية" ? u"Label4"_qs : u"Label10"_qs)
            ->text();
    }

    static void calculatorRow(const char* name, Form form, const Inputs& inputs,
                              const QStringList& clicks, const QString& box,
                              const QString& expected) {
        QTest::newRow(name) << form << inputs << clicks << box << expected;
    }

    static void contactRow(const char* name, Form form, const QString& button,
                           windows::Contact contact, int before, int after) {
        QTest::newRow(name) << form << button << contact << before << after;
    }

private slots:
    void initTestCase() {
        app::prepareApplication();
        widgets::setMessageHook([this](const QString& prompt, const QString& title, int style) {
            messages.push_back({prompt, title, style});
        });
        // Where the environment names a separator, the locale must really use it.
        const QByteArray lang = qgetenv("LC_ALL");
        QCOMPARE(QLocale::system().decimalPoint(), lang.startsWith("de_") ? u"," : u".");
    }
    void init() { messages.clear(); }
    void cleanup() { windows.clear(); }

    // A click writes its result into its own result box and changes nothing else; the boxes of
    // the window's other calculator, and the result boxes, are never read.
    void calculators_data() {
        QTest::addColumn<Form>("form");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("expected");
        const QStringList perimeter{"Command1"}, area{"Command2"};
        const Form sq = Form::Square, re = Form::Rectangle, rh = Form::Rhombus,
                   pa = Form::Parallelogram, ci = Form::Circle;

        calculatorRow("square perimeter 5", sq, {{"Text1", "5"}}, perimeter, "Text3", "20");
        calculatorRow("square area 5", sq, {{"Text2", "5"}}, area, "Text4", "25");
        calculatorRow("square perimeter 2.5", sq, {{"Text1", "2.5"}}, perimeter, "Text3", "10");
        calculatorRow("square area 2.5", sq, {{"Text2", "2.5"}}, area, "Text4", "6.25");
        calculatorRow("square perimeter 0.1", sq, {{"Text1", "0.1"}}, perimeter, "Text3", "0.4");
        calculatorRow("square area 0.1", sq, {{"Text2", "0.1"}}, area, "Text4", "0.01");
        calculatorRow("square perimeter -3", sq, {{"Text1", "-3"}}, perimeter, "Text3", "-12");
        calculatorRow("square area -3", sq, {{"Text2", "-3"}}, area, "Text4", "9");
        calculatorRow("square perimeter empty", sq, {}, perimeter, "Text3", "0");
        calculatorRow("square area empty", sq, {}, area, "Text4", "0");
        calculatorRow("square perimeter letters", sq, {{"Text1", "abc"}}, perimeter, "Text3", "0");
        calculatorRow("square area letters", sq, {{"Text2", "abc"}}, area, "Text4", "0");
        calculatorRow("square perimeter 7cm", sq, {{"Text1", "7cm"}}, perimeter, "Text3", "28");
        calculatorRow("square area 7cm", sq, {{"Text2", "7cm"}}, area, "Text4", "49");
        calculatorRow("square area ignores the perimeter's side", sq, {{"Text1", "5"}}, area,
                      "Text4", "0");
        calculatorRow("square perimeter ignores the area's side", sq, {{"Text2", "5"}}, perimeter,
                      "Text3", "0");
        calculatorRow("square perimeter reads only Text1", sq,
                      {{"Text1", "5"}, {"Text2", "3"}, {"Text3", "7"}, {"Text4", "9"}}, perimeter,
                      "Text3", "20");
        calculatorRow("square area reads only Text2", sq,
                      {{"Text1", "5"}, {"Text2", "3"}, {"Text3", "7"}, {"Text4", "9"}}, area,
                      "Text4", "9");

        // The rectangle's Command1 is its area button; both buttons share Text3.
        calculatorRow("rectangle area 4 x 3", re, {{"Text1", "4"}, {"Text2", "3"}}, {"Command1"},
                      "Text3", "12");
        calculatorRow("rectangle perimeter 4 x 3", re, {{"Text1", "4"}, {"Text2", "3"}},
                      {"Command2"}, "Text3", "14");
        calculatorRow("rectangle area 2.5 x 1.2", re, {{"Text1", "2.5"}, {"Text2", "1.2"}},
                      {"Command1"}, "Text3", "3");
        calculatorRow("rectangle perimeter 2.5 x 1.2", re, {{"Text1", "2.5"}, {"Text2", "1.2"}},
                      {"Command2"}, "Text3", "7.4");
        calculatorRow("rectangle area, then perimeter", re, {{"Text1", "4"}, {"Text2", "3"}},
                      {"Command1", "Command2"}, "Text3", "14");
        calculatorRow("rectangle perimeter, then area", re, {{"Text1", "4"}, {"Text2", "3"}},
                      {"Command2", "Command1"}, "Text3", "12");
        calculatorRow("rectangle area, empty width", re, {{"Text1", "5"}}, {"Command1"}, "Text3",
                      "0");
        calculatorRow("rectangle perimeter, empty width", re, {{"Text1", "5"}}, {"Command2"},
                      "Text3", "10");
        calculatorRow("rectangle perimeter, empty length", re, {{"Text2", "5"}}, {"Command2"},
                      "Text3", "10");
        calculatorRow("rectangle area swapped", re, {{"Text1", "3"}, {"Text2", "4"}}, {"Command1"},
                      "Text3", "12");
        calculatorRow("rectangle perimeter swapped", re, {{"Text1", "3"}, {"Text2", "4"}},
                      {"Command2"}, "Text3", "14");
        calculatorRow("rectangle area empty", re, {}, {"Command1"}, "Text3", "0");
        calculatorRow("rectangle perimeter empty", re, {}, {"Command2"}, "Text3", "0");
        calculatorRow("rectangle negative", re, {{"Text1", "-4"}, {"Text2", "3"}}, {"Command2"},
                      "Text3", "-2");
        calculatorRow("rectangle ignores a typed result", re,
                      {{"Text1", "4"}, {"Text2", "3"}, {"Text3", "100"}}, {"Command1"}, "Text3",
                      "12");

        calculatorRow("rhombus perimeter 5", rh, {{"Text1", "5"}}, perimeter, "Text3", "20");
        calculatorRow("rhombus area 6 and 8", rh, {{"Text2", "6"}, {"Text4", "8"}}, area, "Text5",
                      "24");
        calculatorRow("rhombus area 3 and 5", rh, {{"Text2", "3"}, {"Text4", "5"}}, area, "Text5",
                      "7.5");
        calculatorRow("rhombus area 8 and 6", rh, {{"Text2", "8"}, {"Text4", "6"}}, area, "Text5",
                      "24");
        calculatorRow("rhombus area 5 and 3", rh, {{"Text2", "5"}, {"Text4", "3"}}, area, "Text5",
                      "7.5");
        calculatorRow("rhombus area, empty second diagonal", rh, {{"Text2", "6"}}, area, "Text5",
                      "0");
        calculatorRow("rhombus area, empty first diagonal", rh, {{"Text4", "6"}}, area, "Text5",
                      "0");
        calculatorRow("rhombus area ignores the side", rh, {{"Text1", "5"}}, area, "Text5", "0");
        calculatorRow("rhombus area reads only the diagonals", rh,
                      {{"Text1", "5"}, {"Text2", "6"}, {"Text3", "7"}, {"Text4", "8"}}, area,
                      "Text5", "24");
        calculatorRow("rhombus perimeter ignores the diagonals", rh,
                      {{"Text2", "6"}, {"Text4", "8"}, {"Text5", "9"}}, perimeter, "Text3", "0");
        calculatorRow("rhombus perimeter empty", rh, {}, perimeter, "Text3", "0");
        calculatorRow("rhombus perimeter -2.5", rh, {{"Text1", "-2.5"}}, perimeter, "Text3", "-10");

        // The parallelogram's perimeter reads Text1 and Text3 and writes Text6.
        calculatorRow("parallelogram perimeter 3 and 5", pa, {{"Text1", "3"}, {"Text3", "5"}},
                      perimeter, "Text6", "16");
        calculatorRow("parallelogram perimeter 5 and 3", pa, {{"Text1", "5"}, {"Text3", "3"}},
                      perimeter, "Text6", "16");
        calculatorRow("parallelogram perimeter, empty longer side", pa, {{"Text1", "3"}}, perimeter,
                      "Text6", "6");
        calculatorRow("parallelogram perimeter, empty shorter side", pa, {{"Text3", "5"}},
                      perimeter, "Text6", "10");
        calculatorRow("parallelogram area 6 x 4", pa, {{"Text2", "6"}, {"Text4", "4"}}, area,
                      "Text5", "24");
        calculatorRow("parallelogram area 4 x 6", pa, {{"Text2", "4"}, {"Text4", "6"}}, area,
                      "Text5", "24");
        calculatorRow("parallelogram area 2.5 x 0.5", pa, {{"Text2", "2.5"}, {"Text4", "0.5"}},
                      area, "Text5", "1.25");
        calculatorRow("parallelogram area, empty height", pa, {{"Text2", "6"}}, area, "Text5", "0");
        calculatorRow("parallelogram perimeter reads only the sides", pa,
                      {{"Text1", "3"},
                       {"Text2", "100"},
                       {"Text3", "5"},
                       {"Text4", "200"},
                       {"Text5", "7"},
                       {"Text6", "9"}},
                      perimeter, "Text6", "16");
        calculatorRow("parallelogram area reads only base and height", pa,
                      {{"Text1", "100"},
                       {"Text2", "6"},
                       {"Text3", "200"},
                       {"Text4", "4"},
                       {"Text5", "7"},
                       {"Text6", "9"}},
                      area, "Text5", "24");
        calculatorRow("parallelogram area ignores the sides", pa, {{"Text1", "3"}, {"Text3", "5"}},
                      area, "Text5", "0");

        // The radius is used as typed.
        calculatorRow("circle perimeter 2.5", ci, {{"Text1", "2.5"}}, perimeter, "Text2", "15.7");
        calculatorRow("circle area 2.5", ci, {{"Text3", "2.5"}}, area, "Text4", "19.625");
        calculatorRow("circle perimeter 5", ci, {{"Text1", "5"}}, perimeter, "Text2", "31.4");
        calculatorRow("circle area 5", ci, {{"Text3", "5"}}, area, "Text4", "78.5");
        calculatorRow("circle perimeter 10", ci, {{"Text1", "10"}}, perimeter, "Text2", "62.8");
        calculatorRow("circle area 10", ci, {{"Text3", "10"}}, area, "Text4", "314");
        calculatorRow("circle perimeter 1", ci, {{"Text1", "1"}}, perimeter, "Text2", "6.28");
        calculatorRow("circle area 1", ci, {{"Text3", "1"}}, area, "Text4", "3.14");
        calculatorRow("circle perimeter 3.5", ci, {{"Text1", "3.5"}}, perimeter, "Text2", "21.98");
        calculatorRow("circle area 3.5", ci, {{"Text3", "3.5"}}, area, "Text4", "38.465");
        calculatorRow("circle perimeter -5", ci, {{"Text1", "-5"}}, perimeter, "Text2", "-31.4");
        calculatorRow("circle area -5", ci, {{"Text3", "-5"}}, area, "Text4", "78.5");
        calculatorRow("circle perimeter 16383", ci, {{"Text1", "16383"}}, perimeter, "Text2",
                      "102885.24");
        calculatorRow("circle perimeter 16384", ci, {{"Text1", "16384"}}, perimeter, "Text2",
                      "102891.52");
        calculatorRow("circle area 16384", ci, {{"Text3", "16384"}}, area, "Text4", "842887331.84");
        calculatorRow("circle perimeter -16384", ci, {{"Text1", "-16384"}}, perimeter, "Text2",
                      "-102891.52");
        calculatorRow("circle area 32767", ci, {{"Text3", "32767"}}, area, "Text4",
                      "3371343547.46");
        calculatorRow("circle perimeter 32768", ci, {{"Text1", "32768"}}, perimeter, "Text2",
                      "205783.04");
        calculatorRow("circle area 32768", ci, {{"Text3", "32768"}}, area, "Text4",
                      "3371549327.36");
        calculatorRow("circle perimeter 40000", ci, {{"Text1", "40000"}}, perimeter, "Text2",
                      "251200");
        calculatorRow("circle area 40000", ci, {{"Text3", "40000"}}, area, "Text4", "5024000000");
        calculatorRow("circle perimeter empty", ci, {}, perimeter, "Text2", "0");
        calculatorRow("circle area empty", ci, {}, area, "Text4", "0");
        calculatorRow("circle perimeter ignores the area's radius", ci, {{"Text3", "5"}}, perimeter,
                      "Text2", "0");
        calculatorRow("circle area ignores the perimeter's radius", ci, {{"Text1", "5"}}, area,
                      "Text4", "0");
        calculatorRow("circle perimeter reads only Text1", ci,
                      {{"Text1", "1"}, {"Text2", "7"}, {"Text3", "10"}, {"Text4", "9"}}, perimeter,
                      "Text2", "6.28");
        calculatorRow("circle area reads only Text3", ci,
                      {{"Text1", "1"}, {"Text2", "7"}, {"Text3", "10"}, {"Text4", "9"}}, area,
                      "Text4", "314");
    }
    void calculators() {
        QFETCH(Form, form);
        QFETCH(Inputs, inputs);
        QFETCH(QStringList, clicks);
        QFETCH(QString, box);
        QFETCH(QString, expected);
        QWidget* window = open(form);
        type(window, inputs);
        const QStringList before = texts(window);
        for (const QString& button : clicks)
            click(window, button);
        QCOMPARE(text(window, box), local(expected));
        QCOMPARE(texts(window), with(before, box, local(expected)));
        QVERIFY(messages.empty());
    }

    void circleResultBoxesStartWithTheirWord() {
        QWidget* circle = open(Form::Circle);
        QCOMPARE(text(circle, "Text2"), circleResult);
        QCOMPARE(text(circle, "Text4"), circleResult);
        type(circle, {{"Text1", "5"}, {"Text3", "5"}});
        click(circle, "Command1");
        QCOMPARE(text(circle, "Text2"), local("31.4"));
        QCOMPARE(text(circle, "Text4"), circleResult);
        click(circle, "Command2");
        QCOMPARE(text(circle, "Text4"), local("78.5"));
    }

    // A fault shows its message and abandons the click: the result box keeps its earlier
    // result, everything typed stays, and the next click computes.
    void faultsLeaveEverythingAsItWas_data() {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<Inputs>("good");
        QTest::addColumn<QString>("result");
        QTest::addColumn<Inputs>("bad");
        QTest::newRow("square perimeter")
            << Form::Square << "Command1"
            << "Text3" << Inputs{{"Text1", "5"}} << "20" << Inputs{{"Text1", "1e308"}};
        QTest::newRow("square area")
            << Form::Square << "Command2"
            << "Text4" << Inputs{{"Text2", "5"}} << "25" << Inputs{{"Text2", "1e308"}};
        QTest::newRow("square side beyond a double")
            << Form::Square << "Command1"
            << "Text3" << Inputs{{"Text1", "5"}} << "20" << Inputs{{"Text1", "1e400"}};
        QTest::newRow("rectangle area") << Form::Rectangle << "Command1"
                                        << "Text3" << Inputs{{"Text1", "4"}, {"Text2", "3"}} << "12"
                                        << Inputs{{"Text1", "1e200"}, {"Text2", "1e200"}};
        QTest::newRow("rectangle perimeter") << Form::Rectangle << "Command2"
                                             << "Text3" << Inputs{{"Text1", "4"}, {"Text2", "3"}}
                                             << "14" << Inputs{{"Text1", "1e308"}, {"Text2", ""}};
        QTest::newRow("rhombus perimeter")
            << Form::Rhombus << "Command1"
            << "Text3" << Inputs{{"Text1", "5"}} << "20" << Inputs{{"Text1", "-1e308"}};
        QTest::newRow("rhombus area") << Form::Rhombus << "Command2"
                                      << "Text5" << Inputs{{"Text2", "6"}, {"Text4", "8"}} << "24"
                                      << Inputs{{"Text2", "1e200"}, {"Text4", "1e200"}};
        QTest::newRow("parallelogram perimeter")
            << Form::Parallelogram << "Command1"
            << "Text6" << Inputs{{"Text1", "3"}, {"Text3", "5"}} << "16"
            << Inputs{{"Text1", "1e308"}, {"Text3", "1e308"}};
        QTest::newRow("parallelogram area")
            << Form::Parallelogram << "Command2"
            << "Text5" << Inputs{{"Text2", "6"}, {"Text4", "4"}} << "24"
            << Inputs{{"Text2", "1e200"}, {"Text4", "-1e200"}};
        QTest::newRow("circle perimeter")
            << Form::Circle << "Command1"
            << "Text2" << Inputs{{"Text1", "5"}} << "31.4" << Inputs{{"Text1", "1e308"}};
        QTest::newRow("circle area")
            << Form::Circle << "Command2"
            << "Text4" << Inputs{{"Text3", "5"}} << "78.5" << Inputs{{"Text3", "1e200"}};
    }
    void faultsLeaveEverythingAsItWas() {
        QFETCH(Form, form);
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(Inputs, good);
        QFETCH(QString, result);
        QFETCH(Inputs, bad);
        QWidget* window = open(form);
        type(window, good);
        click(window, button);
        QCOMPARE(text(window, box), local(result));

        type(window, bad);
        const QStringList before = texts(window);
        click(window, button);
        QCOMPARE(messages.size(), size_t(1));
        QCOMPARE(messages[0].prompt, u"خطأ 6: تجاوز السعة");
        QCOMPARE(messages[0].title, u"كوزماط");
        QCOMPARE(messages[0].style, 0);
        QCOMPARE(texts(window), before);
        QCOMPARE(text(window, box), local(result));
        QVERIFY(window->isVisible());

        type(window, good);
        get<QLineEdit>(window, box)->clear();
        click(window, button);
        QCOMPARE(text(window, box), local(result));
        QCOMPARE(messages.size(), size_t(1));
    }

    // Each button writes its contact text with its own blanks into its own window's greeting
    // label, and nowhere else.
    void contacts_data() {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QString>("button");
        QTest::addColumn<windows::Contact>("contact");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        using C = windows::Contact;
        contactRow("circle designer", Form::Circle, "Command3", C::Credit, 0, 0);
        contactRow("circle mail", Form::Circle, "Command4", C::Email, 1, 0);
        contactRow("circle site", Form::Circle, "Command5", C::Website, 1, 1);
        contactRow("square designer", Form::Square, "Command6", C::Credit, 0, 1);
        contactRow("square mail", Form::Square, "Command5", C::Email, 1, 0);
        contactRow("square site", Form::Square, "Command4", C::Website, 1, 1);
        contactRow("rectangle designer", Form::Rectangle, "Command6", C::Credit, 2, 1);
        contactRow("rectangle mail", Form::Rectangle, "Command5", C::Email, 1, 0);
        contactRow("rectangle site", Form::Rectangle, "Command4", C::Website, 0, 1);
        contactRow("rhombus designer", Form::Rhombus, "Command6", C::Credit, 0, 1);
        contactRow("rhombus mail", Form::Rhombus, "Command5", C::Email, 1, 0);
        contactRow("rhombus site", Form::Rhombus, "Command4", C::Website, 1, 1);
        contactRow("parallelogram designer", Form::Parallelogram, "Command6", C::Credit, 2, 1);
        contactRow("parallelogram mail", Form::Parallelogram, "Command5", C::Email, 2, 1);
        contactRow("parallelogram site", Form::Parallelogram, "Command4", C::Website, 2, 1);
    }
    void contacts() {
        QFETCH(Form, form);
        QFETCH(QString, button);
        QFETCH(windows::Contact, contact);
        QFETCH(int, before);
        QFETCH(int, after);
        const Form all[] = {Form::Start,         Form::Square, Form::Rectangle, Form::Rhombus,
                            Form::Parallelogram, Form::Circle, Form::Triangle};
        std::map<Form, QStringList> was;
        for (Form f : all)
            was[f] = texts(open(f));

        QWidget* window = open(form);
        const QString shown =
            QString(before, u' ') + windows::contactText(contact) + QString(after, u' ');
        click(window, button);
        QCOMPARE(greeting(window), shown);
        QCOMPARE(texts(window), with(was[form], "Label10", shown));
        for (Form f : all)
            if (f != form)
                QCOMPARE(texts(open(f)), was[f]);
        // A second press changes nothing.
        click(window, button);
        QCOMPARE(greeting(window), shown);
        QVERIFY(messages.empty());
    }

    void contactsReplaceEachOther() {
        QWidget* square = open(Form::Square);
        click(square, "Command4");
        click(square, "Command6");
        QCOMPARE(greeting(square), windows::contactText(windows::Contact::Credit) + u' ');
        QWidget* parallelogram = open(Form::Parallelogram);
        click(parallelogram, "Command6");
        click(parallelogram, "Command5");
        QCOMPARE(greeting(parallelogram),
                 u"  "_qs + windows::contactText(windows::Contact::Email) + u' ');
    }

    // With their blanks, the contact texts fit each greeting label at the program's font.
    void contactsFit_data() {
        contacts_data();
        using C = windows::Contact;
        contactRow("start designer", Form::Start, "Command7", C::Credit, 0, 0);
        contactRow("start mail", Form::Start, "Command8", C::Email, 0, 0);
        contactRow("start site", Form::Start, "Command9", C::Website, 0, 0);
    }
    void contactsFit() {
        QFETCH(Form, form);
        QFETCH(QString, button);
        QWidget* window = open(form);
        click(window, button);
        auto* label = get<QLabel>(window, form == Form::Start ? "Label4" : "Label10");
        const int width = QFontMetrics(label->font()).horizontalAdvance(label->text());
        QVERIFY2(width <= label->contentsRect().width(),
                 qPrintable(
                     u"%1 px in a box of %2 px"_qs.arg(width).arg(label->contentsRect().width())));
    }

    void triangleDoesNothing() {
        QWidget* triangle = open(Form::Triangle);
        QVERIFY(triangle->findChildren<QAbstractButton*>().isEmpty());
        QVERIFY(triangle->findChildren<QLineEdit*>().isEmpty());
        const QStringList before = texts(triangle);
        for (QWidget* child : triangle->findChildren<QWidget*>())
            QTest::mouseClick(child, Qt::LeftButton);
        QCOMPARE(texts(triangle), before);
        QVERIFY(triangle->isVisible());
        QVERIFY(messages.empty());
    }
};

QTEST_MAIN(TestShapes)
#include "tst_shapes.moc"
