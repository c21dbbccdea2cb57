// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Results shown whole: every result control of the windows, the longest texts result text can
// produce, every separator the C library can give, at the scale factor the test runs under.

#include "app/application.h"
#include "harness.h"
#include "widgets/resultdisplay.h"

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

using harness::name;
using windows::WindowId;

Q_DECLARE_METATYPE(WindowId)

namespace {

// Every result control of the windows, once.
std::vector<std::pair<WindowId, QString>> resultControls() {
    std::vector<std::pair<WindowId, QString>> all;
    for (const windows::Calculator& c : windows::calculators())
        if (std::ranges::find(all, std::pair{c.window, name(c.output)}) == all.end())
            all.emplace_back(c.window, name(c.output));
    return all;
}

// The longest result texts there are: 22 characters with the minus sign, 15 significant digits
// and a three-digit exponent; 21 and 18 with shorter exponents or none.
const QString longestTexts[] = {
    u"-1.23456789012345E-100"_qs, u"-8.88888888888888E-300"_qs, u"-4.44444444444444E+200"_qs,
    u"-3.33333333333333E+19"_qs,  u"-9.99999999999999E-10"_qs,  u"-1.23456789012346E-15"_qs,
    u"-99999999999999.9"_qs,      u"-0.333333333333333"_qs,
};

struct Separator {
    const char* name;
    QChar c;
};
constexpr Separator separators[] = {{"point", u'.'}, {"comma", u','}, {"Arabic", u'\u066B'}};

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

    std::map<WindowId, std::unique_ptr<QWidget>> windows;

    QWidget* window(WindowId id) {
        auto& slot = windows[id];
        if (!slot) {
            slot = harness::build(id);
            if (!QTest::qWaitForWindowExposed(slot.get()))
                qFatal("%s not shown", windows::windowInfo(id).form);
        }
        return slot.get();
    }
    QWidget* control(WindowId id, const QString& name) {
        return harness::get<QWidget>(window(id), name);
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
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        for (const auto& [window, control] : resultControls())
            for (const QString& longest : longestTexts)
                for (const Separator& s : separators) {
                    const QString text = QString(longest).replace(u'.', s.c);
                    QTest::addRow("%s %s %s %s", windows::windowInfo(window).form,
                                  qPrintable(control), qPrintable(text), s.name)
                        << window << control << text;
                }
    }
    void longestResultsShowWhole() {
        QFETCH(WindowId, window);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget* widget = control(window, name);
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            widgets::showResult(box, text);
        else
            widgets::showResult(qobject_cast<QLabel*>(widget), text);
        checkShownWhole(widget, text);
        int& least =
            smallest
                .try_emplace(harness::name(windows::windowInfo(window).form) + u' ' + name, 1000)
                .first->second;
        least = std::min(least, widget->font().pixelSize());
    }

    // After a long result a short one shows at the window's font again.
    void shortResultAtWindowFont_data() {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("name");
        for (const auto& [window, control] : resultControls())
            QTest::addRow("%s %s", windows::windowInfo(window).form, qPrintable(control))
                << window << control;
    }
    void shortResultAtWindowFont() {
        QFETCH(WindowId, window);
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

    // The real calculators write through the same mechanism: the value typed into the first box
    // a calculator reads, 3 into its other boxes.
    void calculatorsShowWhole_data() {
        QTest::addColumn<WindowId>("id");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, WindowId id, const char* button, const char* option,
                            const char* typed, const char* shown) {
            QTest::newRow(name) << id << QString(button) << QString(option) << QString(typed)
                                << QString(shown);
        };
        row("one third", WindowId::Start, "Command11", "Option4", "1", "0.333333333333333");
        row("square perimeter", WindowId::Square, "Command1", nullptr, "-1.23456789012345e-7",
            "-4.9382715604938E-07");
        row("square area", WindowId::Square, "Command2", nullptr, "-1.23456789012345e-60",
            "1.52415787532387E-120");
        row("circle area", WindowId::Circle, "Command2", nullptr, "-9.99999999999999e-10",
            "3.13999999999999E-18");
    }
    void calculatorsShowWhole() {
        QFETCH(WindowId, id);
        QFETCH(QString, button);
        QFETCH(QString, option);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const windows::Calculator& c = harness::calculator(id, button, option);
        QWidget* w = window(c.window);
        const QStringList inputs = harness::distinctInputs(c);
        for (const QString& input : inputs)
            harness::type(w, input, input == inputs.front() ? typed : u"3"_qs);
        if (c.option)
            harness::click(w, name(c.option));
        harness::click(w, name(c.button));
        checkShownWhole(control(c.window, name(c.output)), harness::local(shown));
    }

    // Typing into a result box makes it an ordinary text box again; a 1 MB paste does not
    // stop the next result from showing whole.
    void userEditsThenResult() {
        auto* result = qobject_cast<QLineEdit*>(control(WindowId::Square, u"Text3"_qs));
        auto* side = qobject_cast<QLineEdit*>(control(WindowId::Square, u"Text1"_qs));
        const QFont windowFont = result->parentWidget()->font();
        side->setText(u"-1.23456789012345e-100"_qs);
        auto* perimeter = qobject_cast<QPushButton*>(control(WindowId::Square, u"Command1"_qs));
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
        checkShownWhole(result, harness::local(u"-4.9382715604938E-100"_qs));
    }

    // Flat review and a result box with the focus read a result with its caption: the caption
    // beside it in its frame labels it. The circle's boxes have none beside them; their own
    // name is the caption there.
    void resultsLabelledByCaption_data() {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("output");
        for (const auto& [window, output] : resultControls())
            QTest::addRow("%s %s", windows::windowInfo(window).form, qPrintable(output))
                << window << output;
    }
    void resultsLabelledByCaption() {
        QFETCH(WindowId, window);
        QFETCH(QString, output);
        const std::unique_ptr<QWidget> built = harness::build(window);
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
