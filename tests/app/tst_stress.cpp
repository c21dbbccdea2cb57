// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Stress: a megabyte pasted into every input box before its calculator's button, and ten
// thousand clicks spread over every button of every window. The program answers each time
// with a result or an error message, loses nothing typed, and keeps one window per form.
// Answer times are printed, never asserted: speed is the benchmark's business.

#include "app/application.h"
#include "harness.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <set>

using namespace harness;
using windows::WindowId;

namespace {

const QString errorTitle = u"كوزماط"_qs;
const QString overflow = u"خطأ 6: تجاوز السعة"_qs;
const QString divisionByZero = u"خطأ 11: القسمة على صفر"_qs;

bool isError(const QString& outcome) {
    return outcome == overflow || outcome == divisionByZero;
}

// What a megabyte pasted into a box holds, and so what number entry makes of it.
enum class Content {
    Digits,      // a number far beyond the range of a double: overflow
    LetterFirst, // letters and digits, a letter first: 0
    Mixed,       // "12ab34cd…": 12
    Arabic,      // Arabic-Indic digits and Arabic letters, "١٢بت٣٤…": 12
};

constexpr qsizetype megabyte = 1 << 20;

QString pattern(Content content) {
    switch (content) {
    case Content::Digits:
        return u"1234567890"_qs;
    case Content::LetterFirst:
        return u"ab12cd34ef56"_qs;
    case Content::Mixed:
        return u"12ab34cd56ef"_qs;
    case Content::Arabic:
        return u"١٢بت٣٤ثج٥٦حخ"_qs;
    }
    return {};
}

const char* contentName(Content content) {
    static const char* const names[] = {"digits", "letter first", "12ab…", "Arabic ١٢ب…"};
    return names[int(content)];
}

const QString& megabyteOf(Content content) {
    static std::map<Content, QString> made;
    QString& text = made[content];
    if (text.isEmpty()) {
        const QString unit = pattern(content);
        text.reserve(megabyte);
        while (text.size() < megabyte)
            text += unit;
        text.truncate(megabyte);
    }
    return text;
}

// Under the sanitizers a megabyte of Arabic is pasted once only: nearly all its cost is the
// shaping in Qt and HarfBuzz, which the sanitizers do not instrument.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif

// How the megabyte gets into the box.
enum class Paste { SetText, Insert, Clipboard };

const char* pasteName(Paste paste) {
    static const char* const names[] = {"setText", "insert", "clipboard"};
    return names[int(paste)];
}

// A text compared without printing a megabyte when it differs.
bool sameText(const QString& actual, const QString& expected, QByteArray* why) {
    if (actual == expected)
        return true;
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    *why = QByteArrayLiteral("length ") + QByteArray::number(actual.size()) + " instead of " +
           QByteArray::number(expected.size()) + ", first difference at " + QByteArray::number(at);
    return false;
}

// A row of the megabyte test: a calculator, its box that gets the megabyte, what the megabyte
// holds and what the button then shows; the other boxes it reads hold 3. The ways of pasting
// are taken in turn, so that every content meets every way of pasting, and the contents
// spread over the windows.
struct PasteRow {
    WindowId window;
    const char* button;
    const char* option;
    const char* box;
    Content content;
    QString expected;
};
const PasteRow pasteRows[] = {
    {WindowId::Start,         "Command11", "Option1", "Text1", Content::Digits,      overflow},
    {WindowId::Start,         "Command11", "Option1", "Text2", Content::LetterFirst, "3"     },
    {WindowId::Start,         "Command11", "Option2", "Text1", Content::Mixed,       "9"     },
    {WindowId::Start,         "Command11", "Option2", "Text2", Content::Arabic,      "-9"    },
    {WindowId::Start,         "Command11", "Option3", "Text1", Content::Digits,      overflow},
    {WindowId::Start,         "Command11", "Option3", "Text2", Content::LetterFirst, "0"     },
    {WindowId::Start,         "Command11", "Option4", "Text1", Content::Mixed,       "4"     },
    {WindowId::Start,         "Command11", "Option4", "Text2", Content::Arabic,      "0.25"  },
    {WindowId::Square,        "Command1",  nullptr,   "Text1", Content::Digits,      overflow},
    {WindowId::Square,        "Command2",  nullptr,   "Text2", Content::LetterFirst, "0"     },
    {WindowId::Rectangle,     "Command1",  nullptr,   "Text2", Content::Mixed,       "36"    },
    {WindowId::Rectangle,     "Command1",  nullptr,   "Text1", Content::Arabic,      "36"    },
    {WindowId::Rectangle,     "Command2",  nullptr,   "Text2", Content::Digits,      overflow},
    {WindowId::Rectangle,     "Command2",  nullptr,   "Text1", Content::LetterFirst, "6"     },
    {WindowId::Rhombus,       "Command1",  nullptr,   "Text1", Content::Mixed,       "48"    },
    {WindowId::Rhombus,       "Command2",  nullptr,   "Text4", Content::Arabic,      "18"    },
    {WindowId::Rhombus,       "Command2",  nullptr,   "Text2", Content::Digits,      overflow},
    {WindowId::Parallelogram, "Command1",  nullptr,   "Text3", Content::LetterFirst, "6"     },
    {WindowId::Parallelogram, "Command1",  nullptr,   "Text1", Content::Mixed,       "30"    },
    {WindowId::Parallelogram, "Command2",  nullptr,   "Text2", Content::Arabic,      "36"    },
    {WindowId::Parallelogram, "Command2",  nullptr,   "Text4", Content::Digits,      overflow},
    {WindowId::Circle,        "Command1",  nullptr,   "Text1", Content::LetterFirst, "0"     },
    {WindowId::Circle,        "Command2",  nullptr,   "Text3", Content::Mixed,       "452.16"},
};

const windows::Calculator& calculatorOf(const PasteRow& r) {
    return calculator(r.window, name(r.button), name(r.option));
}

// What the storm types first, for each calculator in the order it reads its boxes, and what its
// button then shows: an overflow and a division by zero among them.
struct Storm {
    WindowId window;
    const char* button;
    const char* option;
    QStringList values;
    QString outcome;
};
const Storm storm[] = {
    {WindowId::Start,         "Command11", "Option1", {"5", "0"},       "5"           },
    {WindowId::Start,         "Command11", "Option2", {"5", "0"},       "5"           },
    {WindowId::Start,         "Command11", "Option3", {"5", "0"},       "0"           },
    {WindowId::Start,         "Command11", "Option4", {"5", "0"},       divisionByZero},
    {WindowId::Square,        "Command1",  nullptr,   {"1e308"},        overflow      }, // 1e308 × 4
    {WindowId::Square,        "Command2",  nullptr,   {"3"},            "9"           },
    {WindowId::Rectangle,     "Command1",  nullptr,   {"0.5", "1e308"}, "5E+307"      },
    {WindowId::Rectangle,     "Command2",  nullptr,   {"0.5", "1e308"}, overflow      },
    {WindowId::Rhombus,       "Command1",  nullptr,   {"2.5"},          "10"          },
    {WindowId::Rhombus,       "Command2",  nullptr,   {"4", "1e308"},   overflow      }, // 1e308 × 4 ÷ 2
    {WindowId::Parallelogram, "Command1",  nullptr,   {"1e308", "7"},   overflow      },
    {WindowId::Parallelogram, "Command2",  nullptr,   {"6", "1.5"},     "9"           },
    {WindowId::Circle,        "Command1",  nullptr,   {"1e308"},        overflow      },
    {WindowId::Circle,        "Command2",  nullptr,   {"2.5"},          "19.625"      },
};

const Storm& stormOf(const windows::Calculator& c) {
    for (const Storm& s : storm)
        if (s.window == c.window && name(s.button) == name(c.button) &&
            name(s.option) == name(c.option))
            return s;
    qFatal("no storm values for %s", qPrintable(rowName(c)));
}

// What the storm clicks, and what each click should do.
struct Target {
    enum Kind { Menu, Option, Calculate, Contact };
    WindowId window;
    QString button;
    Kind kind;
    QString option = {};                      // Option: the option it checks
    QString result = {};                      // Calculate: where the result goes
    std::map<QString, QString> outcomes = {}; // Calculate: by the option checked ("" for none)
    QString shown = {};                       // Contact: the greeting it writes
};

QList<Target> stormTargets() {
    QList<Target> targets;
    for (WindowId id : windows::allWindowIds)
        if (const char* menu = windows::windowInfo(id).menuButton)
            targets.append({.window = WindowId::Start, .button = name(menu), .kind = Target::Menu});
    for (const windows::Calculator& c : windows::calculators()) {
        if (c.option)
            targets.append({.window = c.window,
                            .button = name(c.option),
                            .kind = Target::Option,
                            .option = name(c.option)});
        auto same = std::find_if(targets.begin(), targets.end(), [&](const Target& t) {
            return t.kind == Target::Calculate && t.window == c.window &&
                   t.button == name(c.button);
        });
        if (same == targets.end())
            same = targets.insert(targets.end(), {.window = c.window,
                                                  .button = name(c.button),
                                                  .kind = Target::Calculate,
                                                  .result = name(c.output)});
        same->outcomes[name(c.option)] = stormOf(c).outcome;
    }
    for (const ContactCase& c : contactCases)
        targets.append({.window = c.window,
                        .button = name(c.button),
                        .kind = Target::Contact,
                        .shown = c.shown()});
    return targets;
}

} // namespace

Q_DECLARE_METATYPE(Content)
Q_DECLARE_METATYPE(Paste)

class TestStress : public QObject {
    Q_OBJECT

    std::optional<app::Application> application;
    MessageRecorder messages;
    std::map<QString, qint64> slowestAnswer; // by content, in microseconds
    std::map<QString, qint64> slowestPaste;

    QWidget* window(WindowId id) { return application->windows().window(id); }
    QWidget* openFromMenu(WindowId id) {
        click(window(WindowId::Start), name(windows::windowInfo(id).menuButton));
        return window(id);
    }

private slots:
    void initTestCase() {
        // The offscreen platform says so each time the registry raises a window.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (text != u"This plugin does not support raise()")
                    previous(type, context, text);
            });
    }
    void init() {
        application.emplace();
        application->start();
        messages.clear();
    }
    void cleanup() {
        application.reset();
        QGuiApplication::clipboard()->clear();
        settle();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }
    void cleanupTestCase() {
        for (const auto& [content, us] : slowestPaste)
            qInfo("slowest paste of 1 MB, %s: %.1f ms", qPrintable(content), us / 1000.0);
        for (const auto& [content, us] : slowestAnswer)
            qInfo("slowest answer to 1 MB, %s: %.1f ms", qPrintable(content), us / 1000.0);
    }

    void megabytePasted_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<Content>("content");
        QTest::addColumn<Paste>("paste");
        QTest::addColumn<QString>("expected");
        // Every paint of a box holding a megabyte shapes all of it again (a second or more for
        // Arabic), so each box gets one content and one way of pasting.
        for (int i = 0; i < int(std::size(pasteRows)); ++i) {
            const PasteRow& r = pasteRows[i];
            Content content = r.content;
            if (sanitized && content == Content::Arabic && i >= 4)
                content = Content::Mixed; // the same number
            const Paste paste = Paste(i % 3);
            QTest::addRow("%s %s, %s, %s", qPrintable(rowName(calculatorOf(r))), r.box,
                          contentName(content), pasteName(paste))
                << i << content << paste << local(r.expected);
        }
    }
    // The table above holds every box of every calculator.
    void everyBoxPasted() {
        std::set<std::pair<const windows::Calculator*, QString>> all, pasted;
        for (const windows::Calculator& c : windows::calculators())
            for (const QString& box : distinctInputs(c))
                all.insert({&c, box});
        for (const PasteRow& r : pasteRows)
            pasted.insert({&calculatorOf(r), name(r.box)});
        QVERIFY(all == pasted);
    }
    void megabytePasted() {
        QFETCH(int, row);
        QFETCH(Content, content);
        QFETCH(Paste, paste);
        QFETCH(QString, expected);
        const PasteRow& r = pasteRows[row];
        const windows::Calculator& c = calculatorOf(r);
        const QString result = name(c.output);
        QWidget* w = application->windows().show(c.window);
        QVERIFY(w);
        // Exposed and active, so that painting and focus happen as on a desktop.
        QVERIFY(QTest::qWaitForWindowActive(w));
        for (const QString& other : distinctInputs(c))
            if (other != name(r.box))
                get<QLineEdit>(w, other)->setText(u"3"_qs);
        if (c.option)
            click(w, name(c.option));
        // An earlier result, which an error must leave in place.
        if (auto* edit = w->findChild<QLineEdit*>(result))
            edit->setText(u"99"_qs);
        else
            get<QLabel>(w, result)->setText(u"99"_qs);

        const QString& text = megabyteOf(content);
        auto* box = get<QLineEdit>(w, name(r.box));
        QCOMPARE(box->maxLength(), std::numeric_limits<int>::max());
        // The user clicks into the box and pastes; the button's click then takes the focus
        // from it, so the box is painted again as part of the answer.
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->hasFocus());
        QElapsedTimer timer;
        timer.start();
        switch (paste) {
        case Paste::SetText:
            box->setText(text);
            break;
        case Paste::Insert:
            box->insert(text);
            break;
        case Paste::Clipboard:
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        }
        w->repaint();
        const qint64 pasteTime = timer.nsecsElapsed() / 1000;
        QByteArray why;
        QVERIFY2(sameText(box->text(), text, &why), "pasted: " + why);

        const QStringList before = texts(w, {name(r.box), result});
        timer.start();
        click(w, name(c.button));
        w->repaint();
        const qint64 answerTime = timer.nsecsElapsed() / 1000;
        qInfo("paste %.1f ms, answer %.1f ms", pasteTime / 1000.0, answerTime / 1000.0);
        const QString kind = contentName(content);
        slowestPaste[kind] = std::max(slowestPaste[kind], pasteTime);
        slowestAnswer[kind] = std::max(slowestAnswer[kind], answerTime);

        if (isError(expected)) {
            QCOMPARE(messages.size(), size_t(1));
            QCOMPARE(messages[0].prompt, expected);
            QCOMPARE(messages[0].title, errorTitle);
            QCOMPARE(shownText(w, result), u"99");
        } else {
            QCOMPARE(messages.size(), size_t(0));
            QCOMPARE(shownText(w, result), expected);
        }
        QVERIFY2(sameText(box->text(), text, &why), "after the click: " + why);
        QCOMPARE(texts(w, {name(r.box), result}), before);
        QVERIFY(w->isVisible());
    }

    void clickStorm() {
        std::map<WindowId, QPointer<QWidget>> opened;
        for (WindowId id : windows::allWindowIds)
            opened[id] = id == WindowId::Start ? window(id) : openFromMenu(id);
        QCOMPARE(visibleForms(), allForms());

        std::map<std::pair<WindowId, QString>, QString> typed; // what each box must keep
        for (const windows::Calculator& c : windows::calculators()) {
            const QStringList boxes = distinctInputs(c);
            const Storm& s = stormOf(c);
            QCOMPARE(s.values.size(), boxes.size());
            for (qsizetype i = 0; i < boxes.size(); ++i) {
                auto [at, added] = typed.try_emplace({c.window, boxes[i]}, s.values[i]);
                QCOMPARE(at->second, s.values[i]); // calculators that share a box agree on it
                if (added)
                    type(window(c.window), boxes[i], s.values[i]);
            }
        }
        const auto typedKept = [&] {
            for (const auto& [where, text] : typed)
                if (shownText(window(where.first), where.second) != text)
                    return false;
            return true;
        };
        QVERIFY(typedKept());

        // The model: what every result box and greeting label should show, and the messages.
        const QList<Target> targets = stormTargets();
        const auto greetingOf = [](WindowId id) { return name(windows::windowInfo(id).greeting); };
        std::map<std::pair<WindowId, QString>, QString> shown;
        for (const Target& t : targets) {
            if (!t.result.isEmpty())
                shown[{t.window, t.result}] = shownText(window(t.window), t.result);
            if (t.kind == Target::Contact)
                shown[{t.window, greetingOf(t.window)}] =
                    shownText(window(t.window), greetingOf(t.window));
        }
        std::map<WindowId, QString> option; // the option checked in each window; none yet
        QStringList expectedMessages;
        std::vector<int> clicks(targets.size());

        std::mt19937 random(20240501);
        constexpr int storm = 10'000;
        qint64 slowest = 0;
        QElapsedTimer total, one;
        total.start();
        for (int n = 1; n <= storm; ++n) {
            const int pick = int(random() % targets.size());
            const Target& t = targets[pick];
            ++clicks[pick];
            one.start();
            click(window(t.window), t.button);
            QCoreApplication::processEvents();
            slowest = std::max(slowest, one.nsecsElapsed());

            switch (t.kind) {
            case Target::Menu:
                break;
            case Target::Option:
                option[t.window] = t.option;
                break;
            case Target::Calculate:
                if (const auto o = t.outcomes.find(option[t.window]); o != t.outcomes.end()) {
                    if (isError(o->second))
                        expectedMessages << o->second;
                    else
                        shown[{t.window, t.result}] = local(o->second);
                }
                break;
            case Target::Contact:
                shown[{t.window, greetingOf(t.window)}] = t.shown;
                break;
            }
            if (n % 1000 == 0) {
                QCOMPARE(visibleForms(), allForms());
                QVERIFY(typedKept());
                QCOMPARE(int(messages.size()), expectedMessages.size());
            }
        }
        const qint64 elapsed = total.elapsed();
        qInfo("%d clicks in %lld ms (%.0f clicks/s), slowest click %.2f ms", storm, elapsed,
              storm * 1000.0 / std::max<qint64>(elapsed, 1), slowest / 1e6);

        for (int i = 0; i < targets.size(); ++i)
            QVERIFY2(clicks[i] > 0, qPrintable(targets[i].button));
        QCOMPARE(visibleForms(), allForms());
        QCOMPARE(QApplication::topLevelWidgets().size(),
                 qsizetype(std::size(windows::allWindowIds)));
        for (const auto& [id, w] : opened)
            QCOMPARE(window(id), w.data()); // never rebuilt, so nothing typed was lost
        QVERIFY(typedKept());

        QStringList prompts;
        for (const Message& m : messages) {
            prompts << m.prompt;
            QCOMPARE(m.title, errorTitle);
        }
        QVERIFY(expectedMessages.size() > 0);
        QCOMPARE(prompts, expectedMessages);
        for (const auto& [where, text] : shown)
            QCOMPARE(shownText(window(where.first), where.second), text);

        // After all that, the exit still says goodbye and ends the program.
        messages.clear();
        QTimer::singleShot(0, this, [&] { click(window(WindowId::Start), u"Command10"_qs); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(messages.size(), size_t(1));
        QCOMPARE(messages[0].prompt, u"مع السلامة");
        QCOMPARE(visibleForms(), QStringList());
    }
};

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
