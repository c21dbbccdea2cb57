// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numeric/arithmetic.h"
#include "numeric/numberentry.h"
#include "numeric/resulttext.h"
#include "numeric/runtimeerror.h"
#include "numeric/shapes.h"

#include <QTest>
#include <bit>
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <limits>
#include <random>
#include <variant>

using numeric::Operation;
Q_DECLARE_METATYPE(numeric::Operation)
using Shape = std::variant<double (*)(double), double (*)(double, double)>;
Q_DECLARE_METATYPE(Shape)

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// The number of the run-time error `action` throws, 0 when it throws none.
template <class Action> int errorOf(Action action) {
    try {
        action();
    } catch (const numeric::RuntimeError& error) {
        return error.number;
    }
    return 0;
}

QString zeros(qsizetype count) {
    return QString(count, u'0');
}

} // namespace

// QCOMPARE is fuzzy on doubles; a wrong last bit must fail.
#define COMPARE_EXACTLY(actual, expected)                                                          \
    QVERIFY2((actual) == (expected), qPrintable(QString::number(actual, 'g', 17) +                 \
                                                " != " + QString::number(expected, 'g', 17)))

class TestNumeric : public QObject {
    Q_OBJECT

private slots:
    void numberEntry_data();
    void numberEntry();
    void numberEntryWithUserSeparator_data();
    void numberEntryWithUserSeparator();
    void resultText_data();
    void resultText();
    void roundTrip();
    void guarded_data();
    void guarded();
    void variantArithmetic_data();
    void variantArithmetic();
    void shapes_data();
    void shapes();
};

void TestNumeric::numberEntry_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("error");

    QTest::newRow("empty") << "" << 0.0 << 0;
    QTest::newRow("letters only") << "abc" << 0.0 << 0;
    QTest::newRow("letters after") << "12abc" << 12.0 << 0;
    QTest::newRow("unit after leading blank") << " 7cm" << 7.0 << 0;
    QTest::newRow("trailing blank") << "7 " << 7.0 << 0;
    QTest::newRow("blank between digits") << "1 000" << 1000.0 << 0;
    QTest::newRow("tab and line feed inside") << "\t1\t2\n3" << 123.0 << 0;
    QTest::newRow("blanks around sign and point") << " - 4 . 5" << -4.5 << 0;
    QTest::newRow("point") << "2.5" << 2.5 << 0;
    QTest::newRow("comma ends") << "2,5" << 2.0 << 0;
    QTest::newRow("Arabic comma ends") << "3\u060C5" << 3.0 << 0;
    QTest::newRow("plus") << "+5" << 5.0 << 0;
    QTest::newRow("minus") << "-3" << -3.0 << 0;
    QTest::newRow("second sign ends") << "--5" << 0.0 << 0;
    QTest::newRow("sign after digits ends") << "5-3" << 5.0 << 0;
    QTest::newRow("no digit before point") << "-.5" << -0.5 << 0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2 << 0;
    QTest::newRow("exponent") << "1e3" << 1000.0 << 0;
    QTest::newRow("negative exponent") << "25E-1" << 2.5 << 0;
    QTest::newRow("D exponent") << "1D2" << 100.0 << 0;
    QTest::newRow("d exponent with sign") << "1d+2" << 100.0 << 0;
    QTest::newRow("exponent without digits") << "1e" << 1.0 << 0;
    QTest::newRow("exponent sign without digits") << "1e-x" << 1.0 << 0;
    QTest::newRow("point ends exponent") << "1e3.5" << 1000.0 << 0;
    QTest::newRow("hex prefix") << "&H10" << 0.0 << 0;
    QTest::newRow("Arabic-Indic digits and point") << "\u0661\u0662\u066B\u0665" << 12.5 << 0;
    QTest::newRow("extended Arabic-Indic digits") << "\u06F1\u06F2" << 12.0 << 0;
    QTest::newRow("Arabic point between ASCII digits") << "3\u066B5" << 3.5 << 0;
    QTest::newRow("2^53 + 1 ties to even") << "9007199254740993" << 9007199254740992.0 << 0;
    QTest::newRow("digit a million places on rounds up")
        << "9007199254740993." + zeros(1'000'000) + "1" << 9007199254740994.0 << 0;
    QTest::newRow("million digits, million down")
        << "1" + zeros(1'000'000) + "e-1000000" << 1.0 << 0;
    QTest::newRow("million places, million up") << "." + zeros(1'000'000) + "5e1000000" << 0.5 << 0;
    QTest::newRow("largest double") << "1.7976931348623157e308" << DBL_MAX << 0;
    QTest::newRow("smallest subnormal")
        << "4.94065645841247E-324" << std::numeric_limits<double>::denorm_min() << 0;
    QTest::newRow("just above half the smallest subnormal")
        << "2.4703282292062328e-324" << std::numeric_limits<double>::denorm_min() << 0;
    QTest::newRow("just below half the smallest subnormal")
        << "2.4703282292062327e-324" << 0.0 << 0;
    QTest::newRow("underflow") << "-1e-400" << 0.0 << 0;
    QTest::newRow("huge negative exponent") << "1e-99999999999999999999" << 0.0 << 0;
    QTest::newRow("zero with huge exponent") << "0e99999999999999999999" << 0.0 << 0;
    QTest::newRow("million places of zeros then 1") << "0." + zeros(1'000'000) + "1" << 0.0 << 0;

    QTest::newRow("beyond largest double") << "1.79769313486232E+308" << 0.0 << 6;
    QTest::newRow("1e400") << "1e400" << 0.0 << 6;
    QTest::newRow("-1e400") << "-1e400" << 0.0 << 6;
    QTest::newRow("400 digits") << "1" + zeros(399) << 0.0 << 6;
    QTest::newRow("million digits") << "1" + zeros(1'000'000) << 0.0 << 6;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << 0.0 << 6;
}

void TestNumeric::numberEntry() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(int, error);

    double value = 0;
    QCOMPARE(errorOf([&] { value = numeric::numberEntry(text); }), error);
    if (error == 0)
        COMPARE_EXACTLY(value, expected);
}

void TestNumeric::numberEntryWithUserSeparator_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("expected");

    QTest::newRow("comma locale: comma is the point") << "3,5" << QChar(u',') << 3.5;
    QTest::newRow("comma locale: point still the point") << "1.5" << QChar(u',') << 1.5;
    QTest::newRow("comma locale: Arabic point still the point") << "1\u066B5" << QChar(u',') << 1.5;
    QTest::newRow("comma locale: second comma ends") << "1,5,5" << QChar(u',') << 1.5;
    QTest::newRow("comma locale: comma after point ends") << "1.5,5" << QChar(u',') << 1.5;
    QTest::newRow("comma locale: point after comma ends") << "1,5.5" << QChar(u',') << 1.5;
    QTest::newRow("comma locale: Arabic comma ends") << "3\u060C5" << QChar(u',') << 3.0;
    QTest::newRow("comma locale: negative, blanks, exponent")
        << " - 2 , 5e1" << QChar(u',') << -25.0;
    QTest::newRow("comma locale: no digit before comma") << ",25" << QChar(u',') << 0.25;
    QTest::newRow("comma locale: shown result read back")
        << "-3,33333333333333E+19" << QChar(u',') << -3.33333333333333e19;
    QTest::newRow("comma locale: comma ends exponent") << "1e3,5" << QChar(u',') << 1000.0;
    QTest::newRow("point locale: comma ends") << "2,5" << QChar(u'.') << 2.0;
    QTest::newRow("point locale: point") << "2.5" << QChar(u'.') << 2.5;
    QTest::newRow("point locale: Arabic comma ends") << "3\u060C5" << QChar(u'.') << 3.0;
}

void TestNumeric::numberEntryWithUserSeparator() {
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(double, expected);

    COMPARE_EXACTLY(numeric::numberEntry(text, separator), expected);
    // What the program shows under that separator reads back as the value shown.
    const QString shown = numeric::resultText(expected, separator);
    COMPARE_EXACTLY(numeric::numberEntry(shown, separator), expected);
}

void TestNumeric::resultText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected"); // with '.' as the separator

    QTest::newRow("whole") << 12.0 << "12";
    QTest::newRow("half") << 12.5 << "12.5";
    QTest::newRow("negative") << -12.5 << "-12.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("below one") << 0.5 << "0.5";
    QTest::newRow("one third") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("two thirds") << 2.0 / 3 << "0.666666666666667";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("4 * 0.1") << 4 * 0.1 << "0.4";
    QTest::newRow("0.1 * 0.1") << 0.1 * 0.1 << "0.01";
    QTest::newRow("2.5 * 1.2") << 2.5 * 1.2 << "3";
    QTest::newRow("circle, radius 2.5") << 2.5 * 2 * 3.14 << "15.7";
    QTest::newRow("circle, radius 32767") << std::pow(32767.0, 2) * 3.14 << "3371343547.46";
    QTest::newRow("largest plain") << 999999999999999.0 << "999999999999999";
    QTest::newRow("rounds to 16 digits") << 999999999999999.9 << "1E+15";
    QTest::newRow("1E+15") << 1e15 << "1E+15";
    QTest::newRow("15 digits rounded") << 123456789012345.6 << "123456789012346";
    QTest::newRow("exact half rounds away from zero") << -100000000000000.5 << "-100000000000001";
    QTest::newRow("just below half rounds down") << 0.7938413331987485 << "0.793841333198748";
    QTest::newRow("1.5E+300") << 1.5e300 << "1.5E+300";
    QTest::newRow("longest: 22 characters") << -1.23456789012345e-100 << "-1.23456789012345E-100";
    QTest::newRow("1E+300") << 1e300 << "1E+300";
    QTest::newRow("largest double") << DBL_MAX << "1.79769313486232E+308";
    QTest::newRow("most negative double") << -DBL_MAX << "-1.79769313486232E+308";
    QTest::newRow("5.6789E-05") << 5.6789e-5 << "0.000056789";
    QTest::newRow("15 places") << 5.6789e-11 << "0.000000000056789";
    QTest::newRow("16 places") << 5.6789e-12 << "5.6789E-12";
    QTest::newRow("1E-15") << 1e-15 << "0.000000000000001";
    QTest::newRow("1/30 needs 16 places") << 1.0 / 30 << "3.33333333333333E-02";
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << "4.94065645841247E-324";
}

void TestNumeric::resultText() {
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(numeric::resultText(value, u'.'), expected);
    QCOMPARE(numeric::resultText(value, u','), QString(expected).replace(u'.', u','));
    QCOMPARE(numeric::resultText(value, u'\u066B'), QString(expected).replace(u'.', u'\u066B'));
}

// Text written by result text reads back as the value rounded to 15 significant digits (the
// reference rounding is Qt's, independent of ours), or as an overflow when that rounding
// leaves the double range.
void TestNumeric::roundTrip() {
    std::mt19937_64 random(20240611);
    const auto uniform = [&] { return double(random() >> 11) / double(1ull << 53); };
    for (int i = 0; i < 6000; ++i) {
        double x = 0;
        switch (i % 4) {
        case 0: // any finite double, subnormals and extremes included
            do
                x = std::bit_cast<double>(random());
            while (!std::isfinite(x));
            break;
        case 1: // where the plain and exponent forms meet
            x = (1 + 9 * uniform()) * std::pow(10.0, int(random() % 40) - 20);
            break;
        case 2: // short decimals, as typed
            x = double(std::int64_t(random() % 2'000'000) - 1'000'000) / 1000;
            break;
        case 3: // subnormals
            x = std::bit_cast<double>(random() >> 12);
            break;
        }
        const QString text = numeric::resultText(x, u'.');
        const double rounded = QString::number(x, 'e', 14).toDouble();
        double read = 0;
        const int error = errorOf([&] { read = numeric::numberEntry(text); });
        if (std::isinf(rounded)) {
            QCOMPARE(error, 6);
        } else {
            QCOMPARE(error, 0);
            QVERIFY2(read == rounded,
                     qPrintable(QString::number(x, 'g', 17) + " shown as " + text));
        }
    }
}

void TestNumeric::guarded_data() {
    QTest::addColumn<QByteArray>("formula");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("error");

    QTest::newRow("finite") << QByteArray("a*b") << 5.0 << 4.0 << 20.0 << 0;
    QTest::newRow("inexact") << QByteArray("a/b") << 1.0 << 3.0 << 1.0 / 3 << 0;
    QTest::newRow("underflow") << QByteArray("a*b") << 1e-300 << 1e-300 << 0.0 << 0;
    QTest::newRow("overflow") << QByteArray("a*b") << 1e308 << 10.0 << 0.0 << 6;
    QTest::newRow("invalid") << QByteArray("a*b") << 0.0 << inf << 0.0 << 6;
    QTest::newRow("division by zero") << QByteArray("a/b") << 5.0 << 0.0 << 0.0 << 11;
    QTest::newRow("0 / 0 is invalid") << QByteArray("a/b") << 0.0 << 0.0 << 0.0 << 6;
}

void TestNumeric::guarded() {
    QFETCH(QByteArray, formula);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QFETCH(int, error);

    using numeric::guarded;
    double value = 0;
    const int thrown = errorOf([&] {
        // Flags left over from earlier work must not count against this formula.
        std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
        if (formula == "a*b")
            value = guarded([=] { return a * b; });
        else if (formula == "a/b")
            value = guarded([=] { return a / b; });
        else
            QFAIL("unknown formula");
    });
    QCOMPARE(thrown, error);
    if (error == 0)
        COMPARE_EXACTLY(value, expected);
}

void TestNumeric::variantArithmetic_data() {
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("error");

    QTest::newRow("7 + 2") << Operation::Add << 7.0 << 2.0 << 9.0 << 0;
    QTest::newRow("7 - 2") << Operation::Subtract << 7.0 << 2.0 << 5.0 << 0;
    QTest::newRow("7 * 2") << Operation::Multiply << 7.0 << 2.0 << 14.0 << 0;
    QTest::newRow("7 / 2") << Operation::Divide << 7.0 << 2.0 << 3.5 << 0;
    QTest::newRow("1 / 3") << Operation::Divide << 1.0 << 3.0 << 1.0 / 3 << 0;
    QTest::newRow("empty + empty") << Operation::Add << 0.0 << 0.0 << 0.0 << 0;
    QTest::newRow("tiny quotient") << Operation::Divide << 1e-300 << 1e300 << 0.0 << 0;
    QTest::newRow("5 / 0") << Operation::Divide << 5.0 << 0.0 << 0.0 << 11;
    QTest::newRow("-5 / -0") << Operation::Divide << -5.0 << -0.0 << 0.0 << 11;
    QTest::newRow("0 / 0") << Operation::Divide << 0.0 << 0.0 << 0.0 << 6;
    QTest::newRow("sum overflows") << Operation::Add << 1e308 << 1e308 << 0.0 << 6;
    QTest::newRow("difference overflows") << Operation::Subtract << -1e308 << 1e308 << 0.0 << 6;
    QTest::newRow("product overflows") << Operation::Multiply << DBL_MAX << 2.0 << 0.0 << 6;
    QTest::newRow("quotient overflows") << Operation::Divide << 1e300 << 1e-300 << 0.0 << 6;
}

void TestNumeric::variantArithmetic() {
    QFETCH(Operation, operation);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QFETCH(int, error);

    double value = 0;
    QCOMPARE(errorOf([&] { value = numeric::variantArithmetic(operation, a, b); }), error);
    if (error == 0)
        COMPARE_EXACTLY(value, expected);
}

// The lengths in the order the window reads them (b unused by a formula of one length). Where
// the order of the operations changes the result, the row says so.
void TestNumeric::shapes_data() {
    QTest::addColumn<Shape>("formula");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("error");
    using namespace numeric;
    const auto row = [](const char* name, Shape formula, double a, double b, double expected,
                        int error) {
        QTest::newRow(name) << formula << a << b << expected << error;
    };

    row("square perimeter", squarePerimeter, 2.5, 0, 10, 0);
    row("square perimeter overflows", squarePerimeter, 1e308, 0, 0, 6);
    row("square area", squareArea, -3, 0, 9, 0);
    row("square area overflows", squareArea, 1e155, 0, 0, 6);
    row("rectangle perimeter", rectanglePerimeter, 1.2, 2.5, 7.4, 0);
    row("rectangle perimeter: the sum doubled, no side doubled", rectanglePerimeter, -DBL_MAX / 2,
        DBL_MAX, 1.7976931348623157e308, 0);
    row("rectangle area", rectangleArea, 1.2, 2.5, 3, 0);
    row("rhombus perimeter", rhombusPerimeter, -2.5, 0, -10, 0);
    row("rhombus area", rhombusArea, 5, 3, 7.5, 0);
    row("rhombus area: the product halved, no diagonal halved", rhombusArea, 2, DBL_MAX, 0, 6);
    row("parallelogram perimeter", parallelogramPerimeter, 5, 3, 16, 0);
    row("parallelogram perimeter overflows", parallelogramPerimeter, 1e308, 1e308, 0, 6);
    row("parallelogram area", parallelogramArea, 2.5, 0.5, 1.25, 0);
    row("circle perimeter", circlePerimeter, 2.5, 0, 15.700000000000001, 0);
    row("circle perimeter overflows", circlePerimeter, DBL_MAX, 0, 0, 6);
    row("circle area, pi 3.14", circleArea, 1, 0, 3.14, 0);
    row("circle area", circleArea, 2.5, 0, 19.625, 0);
    row("circle area: the square times pi, not r times r pi", circleArea, 0.3, 0, 0.2826, 0);
    row("circle area overflows", circleArea, 1e155, 0, 0, 6);
}

void TestNumeric::shapes() {
    QFETCH(Shape, formula);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QFETCH(int, error);

    double value = 0;
    const int thrown = errorOf([&] {
        // Flags left over from earlier work must not count against the formula.
        std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
        if (const auto* one = std::get_if<double (*)(double)>(&formula))
            value = (*one)(a);
        else
            value = std::get<double (*)(double, double)>(formula)(a, b);
    });
    QCOMPARE(thrown, error);
    if (error == 0)
        COMPARE_EXACTLY(value, expected);
}

QTEST_GUILESS_MAIN(TestNumeric)
#include "tst_numeric.moc"
