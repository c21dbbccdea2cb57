// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Stress: a megabyte pasted into every input box before its calculator's button, and ten
// thousand clicks spread over every button of every window. The program answers each time
// with a result or an error message, loses nothing typed, and keeps one window per form.
// Answer times are printed, never asserted: speed is the benchmark's business.

#include "app/application.h"
#include "widgets/messagebox.h"
#include "windows/contact.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <limits>
#include <map>
#include <optional>
#include <random>

namespace {

using app::WindowId;

struct Message {
    QString prompt, title;
};

const QString errorTitle = u"كوزماط"_qs;
const QString overflow = u"خطأ 6: تجاوز السعة"_qs;
const QString divisionByZero = u"خطأ 11: القسمة على صفر"_qs;

bool isError(const QString& outcome) {
    return outcome == overflow || outcome == divisionByZero;
}

// A result as the user's locale writes it; the tables below use the point.
QString local(QString text) {
    return isError(text) ? text : text.replace(u'.', QLocale::system().decimalPoint());
}

struct Form {
    WindowId id;
    const char* menuButton; // on the start window
    QString name;
};

const Form forms[] = {
    {WindowId::Start, nullptr, u"البداية"_qs},
    {WindowId::Square, "Command1", u"المربع"_qs},
    {WindowId::Rectangle, "Command2", u"المستطيل"_qs},
    {WindowId::Rhombus, "Command3", u"المعين"_qs},
    {WindowId::Parallelogram, "Command4", u"Form1"_qs},
    {WindowId::Circle, "Command5", u"Form2"_qs},
    {WindowId::Triangle, "Command6", u"Form3"_qs},
};

const Form& form(WindowId id) {
    for (const Form& f : forms)
        if (f.id == id)
            return f;
    qFatal("no such form");
}

QStringList visibleForms() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            names << w->objectName();
    names.sort();
    return names;
}

QStringList allForms() {
    QStringList names;
    for (const Form& f : forms)
        names << f.name;
    names.sort();
    return names;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
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

// Every box and label of a window but the ones named, as "name: text" lines.
QStringList textsBut(const QWidget* window, const QStringList& except) {
    std::map<QString, QString> byName;
    for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
        byName[edit->objectName()] = edit->text();
    for (const QLabel* label : window->findChildren<QLabel*>())
        byName[label->objectName()] = label->text();
    QStringList lines;
    for (const auto& [name, text] : byName)
        if (!except.contains(name))
            lines << name + u": "_qs + text;
    return lines;
}

QString greetingOf(WindowId id) {
    return id == WindowId::Start ? u"Label4"_qs : u"Label10"_qs;
}

QString shownText(const QWidget* window, const QString& name) {
    if (auto* edit = window->findChild<QLineEdit*>(name))
        return edit->text();
    if (auto* label = window->findChild<QLabel*>(name))
        return label->text();
    qFatal("%s has no %s", qPrintable(window->objectName()), qPrintable(name));
}

// One calculator of the program with the input box under test: the other boxes it reads get
// fixed values, and the results for the three values number entry can make of a megabyte.
struct Calculator {
    const char* row;
    WindowId window;
    const char* option; // checked before the click, on the start window
    QList<std::pair<QString, QString>> others;
    QString box, button, result;
    QString ofZero, ofTwelve; // the outcome when the box reads as 0, and as 12
};

const QList<Calculator>& calculators() {
    static const QList<Calculator> table{
        {"start Text1 ×",
         WindowId::Start,
         "Option3",
         {{"Text2", "4"}},
         "Text1",
         "Command11",
         "Label1",
         "0",
         "48"},
        {"start Text2 ÷",
         WindowId::Start,
         "Option4",
         {{"Text1", "6"}},
         "Text2",
         "Command11",
         "Label1",
         divisionByZero,
         "0.5"},
        {"square perimeter",
         WindowId::Square,
         nullptr,
         {},
         "Text1",
         "Command1",
         "Text3",
         "0",
         "48"},
        {"square area", WindowId::Square, nullptr, {}, "Text2", "Command2", "Text4", "0", "144"},
        {"rectangle area Text1",
         WindowId::Rectangle,
         nullptr,
         {{"Text2", "3"}},
         "Text1",
         "Command1",
         "Text3",
         "0",
         "36"},
        {"rectangle area Text2",
         WindowId::Rectangle,
         nullptr,
         {{"Text1", "3"}},
         "Text2",
         "Command1",
         "Text3",
         "0",
         "36"},
        {"rectangle perimeter Text1",
         WindowId::Rectangle,
         nullptr,
         {{"Text2", "3"}},
         "Text1",
         "Command2",
         "Text3",
         "6",
         "30"},
        {"rectangle perimeter Text2",
         WindowId::Rectangle,
         nullptr,
         {{"Text1", "3"}},
         "Text2",
         "Command2",
         "Text3",
         "6",
         "30"},
        {"rhombus perimeter",
         WindowId::Rhombus,
         nullptr,
         {},
         "Text1",
         "Command1",
         "Text3",
         "0",
         "48"},
        {"rhombus area Text2",
         WindowId::Rhombus,
         nullptr,
         {{"Text4", "3"}},
         "Text2",
         "Command2",
         "Text5",
         "0",
         "18"},
        {"rhombus area Text4",
         WindowId::Rhombus,
         nullptr,
         {{"Text2", "3"}},
         "Text4",
         "Command2",
         "Text5",
         "0",
         "18"},
        {"parallelogram perimeter Text1",
         WindowId::Parallelogram,
         nullptr,
         {{"Text3", "3"}},
         "Text1",
         "Command1",
         "Text6",
         "6",
         "30"},
        {"parallelogram perimeter Text3",
         WindowId::Parallelogram,
         nullptr,
         {{"Text1", "3"}},
         "Text3",
         "Command1",
         "Text6",
         "6",
         "30"},
        {"parallelogram area Text2",
         WindowId::Parallelogram,
         nullptr,
         {{"Text4", "3"}},
         "Text2",
         "Command2",
         "Text5",
         "0",
         "36"},
        {"parallelogram area Text4",
         WindowId::Parallelogram,
         nullptr,
         {{"Text2", "3"}},
         "Text4",
         "Command2",
         "Text5",
         "0",
         "36"},
        {"circle perimeter",
         WindowId::Circle,
         nullptr,
         {},
         "Text1",
         "Command1",
         "Text2",
         "0",
         "75.36"},
        {"circle area", WindowId::Circle, nullptr, {}, "Text3", "Command2", "Text4", "0", "452.16"},
    };
    return table;
}

// What the storm clicks, and what each click should do.
struct Target {
    enum Kind { Menu, Option, Compute, Calculate, Contact };
    WindowId window;
    const char* button;
    Kind kind;
    int option = 0;             // Option: the option it checks
    QString result = {};        // Compute, Calculate: where the result goes
    QString outcome = {};       // Calculate: the result text or the error message
    QStringList outcomes = {};  // Compute: the outcome for each option
    windows::Contact contact{}; // Contact
};

// The boxes the storm types into first: an overflow and a division by zero among them.
const std::map<WindowId, QList<std::pair<QString, QString>>> stormInputs{
    {WindowId::Start, {{"Text1", "5"}, {"Text2", "0"}}},
    {WindowId::Square, {{"Text1", "1e308"}, {"Text2", "3"}}},
    {WindowId::Rectangle, {{"Text1", "1e308"}, {"Text2", "0.5"}}},
    {WindowId::Rhombus, {{"Text1", "2.5"}, {"Text2", "1e308"}, {"Text4", "4"}}},
    {WindowId::Parallelogram,
     {{"Text1", "7"}, {"Text3", "1e308"}, {"Text2", "6"}, {"Text4", "1.5"}}},
    {WindowId::Circle, {{"Text1", "1e308"}, {"Text3", "2.5"}}},
};

QList<Target> stormTargets() {
    using C = windows::Contact;
    QList<Target> targets;
    for (const Form& f : forms)
        if (f.menuButton)
            targets.append(
                {.window = WindowId::Start, .button = f.menuButton, .kind = Target::Menu});
    const char* const options[] = {"Option1", "Option2", "Option3", "Option4"};
    for (int i = 0; i < 4; ++i)
        targets.append({.window = WindowId::Start,
                        .button = options[i],
                        .kind = Target::Option,
                        .option = i + 1});
    // 5 and 0: sum, difference, product, quotient.
    targets.append({.window = WindowId::Start,
                    .button = "Command11",
                    .kind = Target::Compute,
                    .result = u"Label1"_qs,
                    .outcomes = {"5", "5", "0", divisionByZero}});

    const auto calculate = [&](WindowId w, const char* button, const char* result,
                               const QString& outcome) {
        targets.append({.window = w,
                        .button = button,
                        .kind = Target::Calculate,
                        .result = result,
                        .outcome = outcome});
    };
    calculate(WindowId::Square, "Command1", "Text3", overflow); // 1e308 × 4
    calculate(WindowId::Square, "Command2", "Text4", "9");
    calculate(WindowId::Rectangle, "Command1", "Text3", "5E+307"); // 1e308 × 0.5
    calculate(WindowId::Rectangle, "Command2", "Text3", overflow);
    calculate(WindowId::Rhombus, "Command1", "Text3", "10");
    calculate(WindowId::Rhombus, "Command2", "Text5", overflow); // 1e308 × 4 ÷ 2
    calculate(WindowId::Parallelogram, "Command1", "Text6", overflow);
    calculate(WindowId::Parallelogram, "Command2", "Text5", "9");
    calculate(WindowId::Circle, "Command1", "Text2", overflow);
    calculate(WindowId::Circle, "Command2", "Text4", "19.625");

    const auto contact = [&](WindowId w, const char* button, C c) {
        targets.append({.window = w, .button = button, .kind = Target::Contact, .contact = c});
    };
    for (WindowId w :
         {WindowId::Square, WindowId::Rectangle, WindowId::Rhombus, WindowId::Parallelogram}) {
        contact(w, "Command6", C::Credit);
        contact(w, "Command5", C::Email);
        contact(w, "Command4", C::Website);
    }
    contact(WindowId::Start, "Command7", C::Credit);
    contact(WindowId::Start, "Command8", C::Email);
    contact(WindowId::Start, "Command9", C::Website);
    contact(WindowId::Circle, "Command3", C::Credit);
    contact(WindowId::Circle, "Command4", C::Email);
    contact(WindowId::Circle, "Command5", C::Website);
    return targets;
}

} // namespace

Q_DECLARE_METATYPE(Content)
Q_DECLARE_METATYPE(Paste)

class TestStress : public QObject {
    Q_OBJECT

    std::optional<app::Application> application;
    std::vector<Message> messages;
    std::map<QString, qint64> slowestAnswer; // by content, in microseconds
    std::map<QString, qint64> slowestPaste;

    QWidget* window(WindowId id) { return application->windows().window(id); }
    template <class T> T* get(WindowId id, const QString& name) {
        QWidget* w = window(id);
        T* found = w ? w->findChild<T*>(name) : nullptr;
        if (!found)
            qFatal("%s has no %s", qPrintable(form(id).name), qPrintable(name));
        return found;
    }
    QWidget* openFromMenu(WindowId id) {
        QTest::mouseClick(get<QPushButton>(WindowId::Start, form(id).menuButton), Qt::LeftButton);
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
        widgets::setMessageHook([this](const QString& prompt, const QString& title, int) {
            messages.push_back({prompt, title});
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
        QTest::addColumn<int>("calculator");
        QTest::addColumn<Content>("content");
        QTest::addColumn<Paste>("paste");
        QTest::addColumn<QString>("expected");
        // Every paint of a box holding a megabyte shapes all of it again (a second or more for
        // Arabic), so each box gets one content and one way of pasting, taken in turn: every
        // content meets every way of pasting, and the contents spread over the windows.
        for (int i = 0; i < calculators().size(); ++i) {
            const Calculator& c = calculators()[i];
            Content content = Content(i % 4);
            if (sanitized && content == Content::Arabic && i >= 4)
                content = Content::Mixed;
            const Paste paste = Paste(i % 3);
            const QString expected = content == Content::Digits        ? overflow
                                     : content == Content::LetterFirst ? c.ofZero
                                                                       : c.ofTwelve;
            QTest::addRow("%s, %s, %s", c.row, contentName(content), pasteName(paste))
                << i << content << paste << local(expected);
        }
    }
    void megabytePasted() {
        QFETCH(int, calculator);
        QFETCH(Content, content);
        QFETCH(Paste, paste);
        QFETCH(QString, expected);
        const Calculator& c = calculators()[calculator];
        QWidget* w = application->windows().show(c.window);
        QVERIFY(w);
        // Exposed and active, so that painting and focus happen as on a desktop.
        QVERIFY(QTest::qWaitForWindowActive(w));
        for (const auto& [name, text] : c.others)
            get<QLineEdit>(c.window, name)->setText(text);
        if (c.option)
            QTest::mouseClick(get<QRadioButton>(c.window, c.option), Qt::LeftButton);
        // An earlier result, which an error must leave in place.
        if (auto* edit = w->findChild<QLineEdit*>(c.result))
            edit->setText(u"99"_qs);
        else
            get<QLabel>(c.window, c.result)->setText(u"99"_qs);

        const QString& text = megabyteOf(content);
        auto* box = get<QLineEdit>(c.window, c.box);
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

        const QStringList before = textsBut(w, {c.box, c.result});
        timer.start();
        QTest::mouseClick(get<QPushButton>(c.window, c.button), Qt::LeftButton);
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
            QCOMPARE(shownText(w, c.result), u"99");
        } else {
            QCOMPARE(messages.size(), size_t(0));
            QCOMPARE(shownText(w, c.result), expected);
        }
        QVERIFY2(sameText(box->text(), text, &why), "after the click: " + why);
        QCOMPARE(textsBut(w, {c.box, c.result}), before);
        QVERIFY(w->isVisible());
    }

    void clickStorm() {
        std::map<WindowId, QPointer<QWidget>> opened;
        opened[WindowId::Start] = window(WindowId::Start);
        for (const Form& f : forms)
            if (f.menuButton)
                opened[f.id] = openFromMenu(f.id);
        QCOMPARE(visibleForms(), allForms());

        for (const auto& [id, inputs] : stormInputs)
            for (const auto& [name, text] : inputs) {
                auto* box = get<QLineEdit>(id, name);
                box->clear();
                QTest::keyClicks(box, text);
            }
        const auto typedTexts = [&] {
            QStringList typed;
            for (const auto& [id, inputs] : stormInputs)
                for (const auto& [name, text] : inputs)
                    typed << form(id).name + u" "_qs + name + u": "_qs +
                                 get<QLineEdit>(id, name)->text();
            return typed;
        };
        const QStringList typed = typedTexts();

        // The model: what every result box and greeting label should show, and the messages.
        const QList<Target> targets = stormTargets();
        std::map<std::pair<WindowId, QString>, QString> shown;
        for (const Target& t : targets) {
            if (!t.result.isEmpty())
                shown[{t.window, t.result}] = shownText(window(t.window), t.result);
            if (t.kind == Target::Contact) {
                shown[{t.window, greetingOf(t.window)}] =
                    shownText(window(t.window), greetingOf(t.window));
            }
        }
        int option = 0; // none checked yet
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
            QTest::mouseClick(get<QAbstractButton>(t.window, t.button), Qt::LeftButton);
            QCoreApplication::processEvents();
            slowest = std::max(slowest, one.nsecsElapsed());

            const auto answer = [&](const QString& outcome) {
                if (isError(outcome))
                    expectedMessages << outcome;
                else
                    shown[{t.window, t.result}] = local(outcome);
            };
            switch (t.kind) {
            case Target::Menu:
                break;
            case Target::Option:
                option = t.option;
                break;
            case Target::Compute:
                if (option)
                    answer(t.outcomes[option - 1]);
                break;
            case Target::Calculate:
                answer(t.outcome);
                break;
            case Target::Contact:
                shown[{t.window, greetingOf(t.window)}] = windows::contactText(t.contact);
                break;
            }
            if (n % 1000 == 0) {
                QCOMPARE(visibleForms(), allForms());
                QCOMPARE(typedTexts(), typed);
                QCOMPARE(int(messages.size()), expectedMessages.size());
            }
        }
        const qint64 elapsed = total.elapsed();
        qInfo("%d clicks in %lld ms (%.0f clicks/s), slowest click %.2f ms", storm, elapsed,
              storm * 1000.0 / std::max<qint64>(elapsed, 1), slowest / 1e6);

        for (int i = 0; i < targets.size(); ++i)
            QVERIFY2(clicks[i] > 0, targets[i].button);
        QCOMPARE(visibleForms(), allForms());
        QCOMPARE(QApplication::topLevelWidgets().size(), qsizetype(std::size(forms)));
        for (const auto& [id, w] : opened)
            QCOMPARE(window(id), w.data()); // never rebuilt, so nothing typed was lost
        QCOMPARE(typedTexts(), typed);

        QStringList prompts;
        for (const Message& m : messages) {
            prompts << m.prompt;
            QCOMPARE(m.title, errorTitle);
        }
        QVERIFY(expectedMessages.size() > 0);
        QCOMPARE(prompts, expectedMessages);
        for (const auto& [where, text] : shown) {
            const QString actual = shownText(window(where.first), where.second);
            // Contact captions carry blanks around the contact text.
            if (where.second == greetingOf(where.first))
                QCOMPARE(actual.trimmed(), text.trimmed());
            else
                QCOMPARE(actual, text);
        }

        // After all that, the exit still says goodbye and ends the program.
        messages.clear();
        QTimer::singleShot(0, this, [&] {
            QTest::mouseClick(get<QPushButton>(WindowId::Start, "Command10"), Qt::LeftButton);
        });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(messages.size(), size_t(1));
        QCOMPARE(messages[0].prompt, u"مع السلامة");
        QCOMPARE(visibleForms(), QStringList());
    }
};

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
