// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Results shown whole: every result control of the windows, the longest texts result text can
// produce, every separator the C library can give, at the scale factor the test runs under.

#include "app/application.h"
#include "numeric/resulttext.h"
#include "platform/separator.h"
#include "widgets/resultdisplay.h"
#include "windows/catalogue.h"
#include "windows/create.h"
#include "windows/shapes/circlewindow.h"
#include "windows/shapes/parallelogramwindow.h"
#include "windows/shapes/rectanglewindow.h"
#include "windows/shapes/rhombuswindow.h"
#include "windows/shapes/squarewindow.h"
#include "windows/start/startwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <map>
#include <memory>
#include <set>
#include <string>

Q_DECLARE_METATYPE(windows::WindowId)

namespace {

struct Control {
    const char* window;
    const char* name;
};

// The result controls of the seven windows (the triangle window has none).
constexpr Control resultControls[] = {
    {"start", "Label1"},        {"square", "Text3"},        {"square", "Text4"},
    {"rectangle", "Text3"},     {"rhombus", "Text3"},       {"rhombus", "Text5"},
    {"parallelogram", "Text5"}, {"parallelogram", "Text6"}, {"circle", "Text2"},
    {"circle", "Text4"},
};

// Values whose result texts are the longest there are: 22 characters with the minus sign, 15
// significant digits and a three-digit exponent; 21 and 18 with shorter exponents or none.
constexpr double longestValues[] = {
    -1.23456789012345e-100, -8.88888888888888e-300, -4.44444444444444e+200,
    -3.33333333333333e19,   -9.99999999999999e-10,  -0.000000000000001234567890123456,
    -99999999999999.9,      -0.333333333333333,
};

struct Separator {
    const char* name;
    QChar c;
};
constexpr Separator separators[] = {{"point", u'.'}, {"comma", u','}, {"Arabic", u'\u066B'}};

std::unique_ptr<QWidget> build(const QString& window) {
    if (window == u"start")
        return std::make_unique<StartWindow>(StartWindow::Actions{[](windows::WindowId) {}, [] {}});
    if (window == u"square")
        return std::make_unique<SquareWindow>();
    if (window == u"rectangle")
        return std::make_unique<RectangleWindow>();
    if (window == u"rhombus")
        return std::make_unique<RhombusWindow>();
    if (window == u"parallelogram")
        return std::make_unique<ParallelogramWindow>();
    return std::make_unique<CircleWindow>();
}

// The width a line edit draws its text in, from the style's contents rectangle.
int innerWidth(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect r = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return r.width() - box->textMargins().left() - box->textMargins().right() - 4;
}

qreal advance(const QString& text, const QFont& font, const QWidget* control) {
    return QFontMetricsF(font, control).horizontalAdvance(text);
}

// Pixel sizes found, per control, for the summary at the end.
std::map<QString, int> smallest;

} // namespace

class TestResults : public QObject {
    Q_OBJECT

    std::map<QString, std::unique_ptr<QWidget>> windows;

    QWidget* control(const QString& window, const QString& name) {
        auto& slot = windows[window];
        if (!slot) {
            slot = build(window);
            slot->show();
            if (!QTest::qWaitForWindowExposed(slot.get()))
                qFatal("%s not shown", qPrintable(window));
        }
        QWidget* found = slot->findChild<QWidget*>(name);
        if (!found)
            qFatal("%s has no %s", qPrintable(window), qPrintable(name));
        return found;
    }

    // The text as the control draws it: whole, on one line, from its first character, at a size
    // of the window's face no larger than the window's, and the largest such size that fits.
    static void checkShownWhole(QWidget* widget, const QString& text) {
        const QFont windowFont = widget->parentWidget()->font();
        const QFont drawn = widget->font();
        QCOMPARE(drawn.families(), windowFont.families());
        QVERIFY(drawn.pixelSize() <= windowFont.pixelSize());
        QVERIFY(drawn.pixelSize() >= widgets::smallestResultPixelSize);

        QFont larger = drawn;
        larger.setPixelSize(drawn.pixelSize() + 1);
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            QCOMPARE(box->text(), text);
            QCOMPARE(box->cursorPosition(), 0);
            const int room = innerWidth(box);
            QVERIFY2(advance(text, drawn, box) + 1 <= room,
                     qPrintable(QStringLiteral("%1 px of text in %2 px")
                                    .arg(advance(text, drawn, box))
                                    .arg(room)));
            if (drawn.pixelSize() < windowFont.pixelSize())
                QVERIFY(advance(text, larger, box) + 1 > room);
            // A text that fits does not scroll: the box looks the same with the cursor at either
            // end. One that does not fit scrolls to keep the cursor in view.
            const QImage atStart = box->grab().toImage();
            box->setCursorPosition(int(text.size()));
            const QImage atEnd = box->grab().toImage();
            box->setCursorPosition(0);
            QVERIFY2(atStart == atEnd, "the box scrolls: part of the text is out of view");
        } else {
            auto* label = qobject_cast<QLabel*>(widget);
            QVERIFY(label);
            QCOMPARE(label->text(), text);
            QVERIFY(!label->wordWrap());
            const int room = label->contentsRect().width();
            QVERIFY2(label->sizeHint().width() <= label->width(),
                     qPrintable(QStringLiteral("label needs %1 px, has %2")
                                    .arg(label->sizeHint().width())
                                    .arg(label->width())));
            QVERIFY(advance(text, drawn, label) <= room);
            if (drawn.pixelSize() < windowFont.pixelSize())
                QVERIFY(advance(text, larger, label) > room);
            QVERIFY(QFontMetrics(drawn, label).height() <= label->contentsRect().height());
        }
    }

private slots:
    void initTestCase() { app::prepareApplication(); }

    void longestResultsShowWhole_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        for (const Control& c : resultControls)
            for (const double value : longestValues)
                for (const Separator& s : separators) {
                    const QString text = numeric::resultText(value, s.c);
                    QTest::addRow("%s %s %s %s", c.window, c.name, qPrintable(text), s.name)
                        << c.window << c.name << text;
                }
    }
    void longestResultsShowWhole() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget* widget = control(window, name);
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            widgets::showResult(box, text);
        else
            widgets::showResult(qobject_cast<QLabel*>(widget), text);
        checkShownWhole(widget, text);
        int& least = smallest.try_emplace(window + u' ' + name, 1000).first->second;
        least = std::min(least, widget->font().pixelSize());
    }

    void longestAreTwentyTwoCharacters() {
        QCOMPARE(numeric::resultText(longestValues[0], u'.'), u"-1.23456789012345E-100");
    }

    // After a long result a short one shows at the window's font again.
    void shortResultAtWindowFont_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        for (const Control& c : resultControls)
            QTest::addRow("%s %s", c.window, c.name) << c.window << c.name;
    }
    void shortResultAtWindowFont() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QWidget* widget = control(window, name);
        const QFont windowFont = widget->parentWidget()->font();
        const auto show = [&](const QString& text) {
            if (auto* box = qobject_cast<QLineEdit*>(widget))
                widgets::showResult(box, text);
            else
                widgets::showResult(qobject_cast<QLabel*>(widget), text);
        };
        show(u"-1.23456789012345E-100"_qs);
        QVERIFY(widget->font().pixelSize() < windowFont.pixelSize());
        show(u"20"_qs);
        QCOMPARE(widget->font(), windowFont);
        QVERIFY(!widget->testAttribute(Qt::WA_SetFont));
        checkShownWhole(widget, u"20"_qs);
    }

    // The real calculators write through the same mechanism.
    void calculatorsShowWhole_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::addColumn<double>("value");
        QTest::newRow("one third") << "start"
                                   << "Text1"
                                   << "1"
                                   << "Command11"
                                   << "Label1" << 1.0 / 3;
        QTest::newRow("square perimeter") << "square"
                                          << "Text1"
                                          << "-1.23456789012345e-7"
                                          << "Command1"
                                          << "Text3" << -4.9382715604938e-07;
        QTest::newRow("square area") << "square"
                                     << "Text2"
                                     << "-1.23456789012345e-60"
                                     << "Command2"
                                     << "Text4" << -1.23456789012345e-60 * -1.23456789012345e-60;
    }
    void calculatorsShowWhole() {
        QFETCH(QString, window);
        QFETCH(QString, input);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, result);
        QFETCH(double, value);
        if (window == u"start") {
            auto* second = qobject_cast<QLineEdit*>(control(window, u"Text2"_qs));
            second->setText(u"3"_qs);
            QTest::mouseClick(qobject_cast<QAbstractButton*>(control(window, u"Option4"_qs)),
                              Qt::LeftButton);
        }
        auto* box = qobject_cast<QLineEdit*>(control(window, input));
        box->clear();
        QTest::keyClicks(box, typed);
        QTest::mouseClick(qobject_cast<QPushButton*>(control(window, button)), Qt::LeftButton);
        checkShownWhole(control(window, result),
                        numeric::resultText(value, platform::decimalSeparator()));
    }

    // Typing into a result box makes it an ordinary text box again; a 1 MB paste does not
    // stop the next result from showing whole.
    void userEditsThenResult() {
        auto* result = qobject_cast<QLineEdit*>(control(u"square"_qs, u"Text3"_qs));
        auto* side = qobject_cast<QLineEdit*>(control(u"square"_qs, u"Text1"_qs));
        const QFont windowFont = result->parentWidget()->font();
        side->setText(u"-1.23456789012345e-100"_qs);
        auto* perimeter = qobject_cast<QPushButton*>(control(u"square"_qs, u"Command1"_qs));
        QTest::mouseClick(perimeter, Qt::LeftButton);
        QVERIFY(result->font().pixelSize() < windowFont.pixelSize());

        QTest::keyClick(result, Qt::Key_End);
        QTest::keyClicks(result, u"7"_qs);
        QCOMPARE(result->font(), windowFont);

        QGuiApplication::clipboard()->setText(QString(1 << 20, u'9'));
        result->selectAll();
        result->paste();
        QVERIFY(result->text().size() > 1000);
        QCOMPARE(result->font(), windowFont);
        QTest::mouseClick(perimeter, Qt::LeftButton);
        checkShownWhole(result,
                        numeric::resultText(-4.9382715604938e-100, platform::decimalSeparator()));
    }

    // Flat review and a result box with the focus read a result with its caption: the caption
    // beside it in its frame labels it. The circle's boxes have none beside them; their own
    // name is the caption there.
    void resultsLabelledByCaption_data() {
        QTest::addColumn<windows::WindowId>("window");
        QTest::addColumn<QString>("output");
        std::set<std::pair<windows::WindowId, std::string>> seen;
        for (const windows::Calculator& c : windows::calculators())
            if (seen.insert({c.window, c.output}).second)
                QTest::addRow("%s %s", windows::windowInfo(c.window).form, c.output)
                    << c.window << QString::fromUtf8(c.output);
    }
    void resultsLabelledByCaption() {
        QFETCH(windows::WindowId, window);
        QFETCH(QString, output);
        const std::unique_ptr<QWidget> built(windows::createWindow(window));
        auto* result = built->findChild<QWidget*>(output);
        QVERIFY(result);
        const QString caption = u"النتيجة"_qs;
        QList<QLabel*> captions;
        for (QLabel* label :
             result->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (label->text() == caption)
                captions << label;
        if (captions.isEmpty()) {
            QCOMPARE(result->accessibleName(), caption);
            return;
        }
        QCOMPARE(captions.size(), 1);
        QStringList labelledBy;
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(result);
        QVERIFY(accessible);
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
            labelledBy << label->text(QAccessible::Name);
        QVERIFY2(labelledBy.contains(caption), qPrintable(labelledBy.join(u", ")));
    }

    void cleanupTestCase() {
        for (const auto& [control, size] : smallest)
            qInfo("smallest pixel size, %s: %d of %d", qPrintable(control), size,
                  QApplication::font().pixelSize());
    }
};

QTEST_MAIN(TestResults)
#include "tst_results.moc"
