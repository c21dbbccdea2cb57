// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The shape windows' behaviour: their calculators, the faults that leave everything as it was,
// their credits and contact buttons, and the triangle page that does nothing.

#include "app/application.h"
#include "harness.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <map>
#include <memory>
#include <optional>
#include <set>

using namespace harness;
using windows::WindowId;

namespace {

const QString circleResult = u"النتيجة"_qs;

} // namespace

Q_DECLARE_METATYPE(WindowId)

class TestShapes : public QObject {
    Q_OBJECT

    std::map<WindowId, std::unique_ptr<QWidget>> windows;
    MessageRecorder messages;
    std::set<std::pair<WindowId, QString>> checked; // the calculators the table reaches

    QWidget* open(WindowId id) {
        auto& slot = windows[id];
        if (!slot)
            slot = build(id);
        return slot.get();
    }
    // Types the values into the calculator's boxes in the order it reads them.
    static void typeInputs(QWidget* window, const windows::Calculator& c,
                           const QStringList& values) {
        const QStringList boxes = distinctInputs(c);
        QCOMPARE(values.size(), boxes.size());
        for (qsizetype i = 0; i < boxes.size(); ++i)
            type(window, boxes[i], values[i]);
    }
    static QString greeting(QWidget* window) {
        return get<QLabel>(window,
                           window->objectName() == u"البداية" ? u"Label4"_qs : u"Label10"_qs)
            ->text();
    }

    static void calculatorRow(const char* row, WindowId id, const char* button,
                              const QStringList& values, const QString& expected) {
        QTest::newRow(row) << id << QString::fromLatin1(button) << values << expected;
    }

private slots:
    void initTestCase() {
        app::prepareApplication();
        // Where the environment names a separator, the locale must really use it.
        const QByteArray lang = qgetenv("LC_ALL");
        QCOMPARE(QLocale::system().decimalPoint(), lang.startsWith("de_") ? u"," : u".");
    }
    void init() { messages.clear(); }
    void cleanup() { windows.clear(); }

    // A click writes its result into its own result box and changes nothing else. Every box the
    // calculator does not read holds a number, so a calculator that reads a wrong box, or its
    // result box, shows it. The values are given in the order the calculator reads its boxes.
    void calculators_data() {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("expected");
        const WindowId sq = WindowId::Square, re = WindowId::Rectangle, rh = WindowId::Rhombus,
                       pa = WindowId::Parallelogram, ci = WindowId::Circle;
        const char *c1 = "Command1", *c2 = "Command2";

        calculatorRow("square perimeter 5", sq, c1, {"5"}, "20");
        calculatorRow("square area 5", sq, c2, {"5"}, "25");
        calculatorRow("square perimeter 2.5", sq, c1, {"2.5"}, "10");
        calculatorRow("square area 2.5", sq, c2, {"2.5"}, "6.25");
        calculatorRow("square perimeter 0.1", sq, c1, {"0.1"}, "0.4");
        calculatorRow("square area 0.1", sq, c2, {"0.1"}, "0.01");
        calculatorRow("square perimeter -3", sq, c1, {"-3"}, "-12");
        calculatorRow("square area -3", sq, c2, {"-3"}, "9");
        calculatorRow("square perimeter empty", sq, c1, {""}, "0");
        calculatorRow("square area empty", sq, c2, {""}, "0");
        calculatorRow("square perimeter letters", sq, c1, {"abc"}, "0");
        calculatorRow("square area letters", sq, c2, {"abc"}, "0");
        calculatorRow("square perimeter 7cm", sq, c1, {"7cm"}, "28");
        calculatorRow("square area 7cm", sq, c2, {"7cm"}, "49");

        // The rectangle reads its width, then its length; Command1 is its area button.
        calculatorRow("rectangle area 3 x 4", re, c1, {"3", "4"}, "12");
        calculatorRow("rectangle perimeter 3 x 4", re, c2, {"3", "4"}, "14");
        calculatorRow("rectangle area 1.2 x 2.5", re, c1, {"1.2", "2.5"}, "3");
        calculatorRow("rectangle perimeter 1.2 x 2.5", re, c2, {"1.2", "2.5"}, "7.4");
        calculatorRow("rectangle area, empty width", re, c1, {"", "5"}, "0");
        calculatorRow("rectangle perimeter, empty width", re, c2, {"", "5"}, "10");
        calculatorRow("rectangle perimeter, empty length", re, c2, {"5", ""}, "10");
        calculatorRow("rectangle area empty", re, c1, {"", ""}, "0");
        calculatorRow("rectangle perimeter empty", re, c2, {"", ""}, "0");
        calculatorRow("rectangle negative", re, c2, {"3", "-4"}, "-2");

        // The rhombus's area reads the second diagonal, then the first.
        calculatorRow("rhombus perimeter 5", rh, c1, {"5"}, "20");
        calculatorRow("rhombus perimeter -2.5", rh, c1, {"-2.5"}, "-10");
        calculatorRow("rhombus perimeter empty", rh, c1, {""}, "0");
        calculatorRow("rhombus area 8 and 6", rh, c2, {"8", "6"}, "24");
        calculatorRow("rhombus area 5 and 3", rh, c2, {"5", "3"}, "7.5");
        calculatorRow("rhombus area 3 and 5", rh, c2, {"3", "5"}, "7.5");
        calculatorRow("rhombus area, empty second diagonal", rh, c2, {"", "6"}, "0");
        calculatorRow("rhombus area, empty first diagonal", rh, c2, {"6", ""}, "0");

        // The parallelogram's perimeter reads the longer side, then the shorter; its area the
        // base, then the height.
        calculatorRow("parallelogram perimeter 5 and 3", pa, c1, {"5", "3"}, "16");
        calculatorRow("parallelogram perimeter 3 and 5", pa, c1, {"3", "5"}, "16");
        calculatorRow("parallelogram perimeter, empty longer side", pa, c1, {"", "3"}, "6");
        calculatorRow("parallelogram perimeter, empty shorter side", pa, c1, {"5", ""}, "10");
        calculatorRow("parallelogram area 6 x 4", pa, c2, {"6", "4"}, "24");
        calculatorRow("parallelogram area 2.5 x 0.5", pa, c2, {"2.5", "0.5"}, "1.25");
        calculatorRow("parallelogram area, empty height", pa, c2, {"6", ""}, "0");

        // The radius is used as typed.
        calculatorRow("circle perimeter 2.5", ci, c1, {"2.5"}, "15.7");
        calculatorRow("circle area 2.5", ci, c2, {"2.5"}, "19.625");
        calculatorRow("circle perimeter 5", ci, c1, {"5"}, "31.4");
        calculatorRow("circle area 5", ci, c2, {"5"}, "78.5");
        calculatorRow("circle perimeter 10", ci, c1, {"10"}, "62.8");
        calculatorRow("circle area 10", ci, c2, {"10"}, "314");
        calculatorRow("circle perimeter 1", ci, c1, {"1"}, "6.28");
        calculatorRow("circle area 1", ci, c2, {"1"}, "3.14");
        calculatorRow("circle perimeter 3.5", ci, c1, {"3.5"}, "21.98");
        calculatorRow("circle area 3.5", ci, c2, {"3.5"}, "38.465");
        calculatorRow("circle perimeter -5", ci, c1, {"-5"}, "-31.4");
        calculatorRow("circle area -5", ci, c2, {"-5"}, "78.5");
        calculatorRow("circle perimeter 16383", ci, c1, {"16383"}, "102885.24");
        calculatorRow("circle perimeter 16384", ci, c1, {"16384"}, "102891.52");
        calculatorRow("circle area 16384", ci, c2, {"16384"}, "842887331.84");
        calculatorRow("circle perimeter -16384", ci, c1, {"-16384"}, "-102891.52");
        calculatorRow("circle area 32767", ci, c2, {"32767"}, "3371343547.46");
        calculatorRow("circle perimeter 32768", ci, c1, {"32768"}, "205783.04");
        calculatorRow("circle area 32768", ci, c2, {"32768"}, "3371549327.36");
        calculatorRow("circle perimeter 40000", ci, c1, {"40000"}, "251200");
        calculatorRow("circle area 40000", ci, c2, {"40000"}, "5024000000");
        calculatorRow("circle perimeter empty", ci, c1, {""}, "0");
        calculatorRow("circle area empty", ci, c2, {""}, "0");
    }
    void calculators() {
        QFETCH(WindowId, id);
        QFETCH(QString, button);
        QFETCH(QStringList, values);
        QFETCH(QString, expected);
        const windows::Calculator& c = calculator(id, button);
        checked.insert({id, button});
        QWidget* window = open(id);
        const QStringList inputs = distinctInputs(c);
        for (const QLineEdit* box : window->findChildren<QLineEdit*>())
            if (!inputs.contains(box->objectName()))
                type(window, box->objectName(), u"7"_qs);
        typeInputs(window, c, values);
        const QStringList before = texts(window);
        click(window, button);
        QCOMPARE(shownText(window, name(c.output)), local(expected));
        QCOMPARE(texts(window), with(before, name(c.output), local(expected)));
        QVERIFY(messages.empty());
    }

    // Every shape calculator of the program is in the table above.
    void everyCalculatorChecked() {
        for (const windows::Calculator& c : windows::calculators())
            if (c.window != WindowId::Start)
                QVERIFY2(checked.contains({c.window, name(c.button)}), qPrintable(rowName(c)));
    }

    // What the description says a calculator reads is what its window shows beside its button:
    // the boxes sit in the button's frame, and no box is read that some calculator writes.
    void inputsSitBesideTheirButton() {
        for (const windows::Calculator& c : windows::calculators()) {
            QWidget* window = open(c.window);
            const QWidget* frame = get<QWidget>(window, name(c.button))->parentWidget();
            QVERIFY(qobject_cast<const QGroupBox*>(frame));
            for (const QString& input : distinctInputs(c)) {
                QVERIFY2(get<QLineEdit>(window, input)->parentWidget() == frame,
                         qPrintable(rowName(c) + u' ' + input));
                for (const windows::Calculator& other : windows::calculators())
                    QVERIFY2(other.window != c.window || name(other.output) != input,
                             qPrintable(rowName(c) + u' ' + input));
            }
        }
    }

    void circleResultBoxesStartWithTheirWord() {
        QWidget* circle = open(WindowId::Circle);
        QCOMPARE(shownText(circle, "Text2"), circleResult);
        QCOMPARE(shownText(circle, "Text4"), circleResult);
        type(circle, "Text1", "5");
        type(circle, "Text3", "5");
        click(circle, "Command1");
        QCOMPARE(shownText(circle, "Text2"), local("31.4"));
        QCOMPARE(shownText(circle, "Text4"), circleResult);
        click(circle, "Command2");
        QCOMPARE(shownText(circle, "Text4"), local("78.5"));
    }

    // A fault shows its message and abandons the click: the result box keeps its earlier
    // result, everything typed stays, and the next click computes.
    void faultsLeaveEverythingAsItWas_data() {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("good");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("bad");
        const auto row = [](const char* name, WindowId id, const char* button,
                            const QStringList& good, const char* result, const QStringList& bad) {
            QTest::newRow(name) << id << QString::fromLatin1(button) << good << QString(result)
                                << bad;
        };
        row("square perimeter", WindowId::Square, "Command1", {"5"}, "20", {"1e308"});
        row("square area", WindowId::Square, "Command2", {"5"}, "25", {"1e308"});
        row("square side beyond a double", WindowId::Square, "Command1", {"5"}, "20", {"1e400"});
        row("rectangle area", WindowId::Rectangle, "Command1", {"3", "4"}, "12",
            {"1e200", "1e200"});
        row("rectangle perimeter", WindowId::Rectangle, "Command2", {"3", "4"}, "14",
            {"", "1e308"});
        row("rhombus perimeter", WindowId::Rhombus, "Command1", {"5"}, "20", {"-1e308"});
        row("rhombus area", WindowId::Rhombus, "Command2", {"8", "6"}, "24", {"1e200", "1e200"});
        row("parallelogram perimeter", WindowId::Parallelogram, "Command1", {"5", "3"}, "16",
            {"1e308", "1e308"});
        row("parallelogram area", WindowId::Parallelogram, "Command2", {"6", "4"}, "24",
            {"1e200", "-1e200"});
        row("circle perimeter", WindowId::Circle, "Command1", {"5"}, "31.4", {"1e308"});
        row("circle area", WindowId::Circle, "Command2", {"5"}, "78.5", {"1e200"});
    }
    void faultsLeaveEverythingAsItWas() {
        QFETCH(WindowId, id);
        QFETCH(QString, button);
        QFETCH(QStringList, good);
        QFETCH(QString, result);
        QFETCH(QStringList, bad);
        const windows::Calculator& c = calculator(id, button);
        const QString box = name(c.output);
        QWidget* window = open(id);
        typeInputs(window, c, good);
        click(window, button);
        QCOMPARE(shownText(window, box), local(result));

        typeInputs(window, c, bad);
        const QStringList before = texts(window);
        click(window, button);
        QCOMPARE(messages.size(), size_t(1));
        QCOMPARE(messages[0].prompt, u"خطأ 6: تجاوز السعة");
        QCOMPARE(messages[0].title, u"كوزماط");
        QCOMPARE(messages[0].style, 0);
        QCOMPARE(texts(window), before);
        QVERIFY(window->isVisible());

        typeInputs(window, c, good);
        get<QLineEdit>(window, box)->clear();
        click(window, button);
        QCOMPARE(shownText(window, box), local(result));
        QCOMPARE(messages.size(), size_t(1));
    }

    // Each button writes its contact text with its own blanks into its own window's greeting
    // label, and nowhere else.
    void contacts_data() {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("shown");
        for (const ContactCase& c : contactCases)
            QTest::addRow("%s %s", windows::windowInfo(c.window).form, c.button)
                << c.window << name(c.button) << c.shown();
    }
    // A second press changes nothing; the text fits the label at the program's font.
    void contacts() {
        QFETCH(WindowId, id);
        QFETCH(QString, button);
        QFETCH(QString, shown);
        std::map<WindowId, QStringList> was;
        for (WindowId w : windows::allWindowIds)
            was[w] = texts(open(w));

        QWidget* window = open(id);
        for (int press = 0; press < 2; ++press) {
            click(window, button);
            QCOMPARE(greeting(window), shown);
        }
        const QString label = name(windows::windowInfo(id).greeting);
        QCOMPARE(texts(window), with(was[id], label, shown));
        for (WindowId w : windows::allWindowIds)
            if (w != id)
                QCOMPARE(texts(open(w)), was[w]);
        QVERIFY(messages.empty());
        auto* greeting = get<QLabel>(window, label);
        const int width = QFontMetrics(greeting->font()).horizontalAdvance(shown);
        QVERIFY2(width <= greeting->contentsRect().width(),
                 qPrintable(u"%1 px in a box of %2 px"_qs.arg(width).arg(
                     greeting->contentsRect().width())));
    }

    void contactsReplaceEachOther() {
        QWidget* start = open(WindowId::Start);
        for (const char* button : {"Command7", "Command8", "Command9"})
            click(start, button);
        QCOMPARE(greeting(start), u"kozmat.example.org");
        QWidget* square = open(WindowId::Square);
        click(square, "Command4");
        click(square, "Command6");
        QCOMPARE(greeting(square), u"تصميم وبرمجة: فريق كوزماط ");
        QWidget* parallelogram = open(WindowId::Parallelogram);
        click(parallelogram, "Command6");
        click(parallelogram, "Command5");
        QCOMPARE(greeting(parallelogram), u"  kozmat@example.org ");
    }

    void triangleDoesNothing() {
        QWidget* triangle = open(WindowId::Triangle);
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
