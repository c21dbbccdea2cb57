// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard and the focus, in every window: Enter presses the focused button, every control
// that takes focus shows it, the arrow keys choose the operation, and Qt speaks Arabic.

#include "app/application.h"
#include "harness.h"
#include "layout.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <map>
#include <memory>

using namespace layout;

Q_DECLARE_METATYPE(layout::Window)

class TestKeyboard : public QObject {
    Q_OBJECT

    std::map<QString, std::unique_ptr<QWidget>> built;
    harness::MessageRecorder messages;

    QWidget* window(const Window& w) {
        auto& slot = built[w.form];
        if (!slot) {
            slot.reset(w.create());
            slot->show();
        }
        QApplication::setActiveWindow(slot.get());
        return slot.get();
    }
    template <class T> T* child(const Window& w, const QString& name) {
        return window(w)->findChild<T*>(name);
    }
    static void press(QWidget* target, int key, Qt::KeyboardModifiers mods, bool repeat = false) {
        QKeyEvent down(QEvent::KeyPress, key, mods, QStringLiteral("\r"), repeat);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, mods, QStringLiteral("\r"), repeat);
        QApplication::sendEvent(target, &up);
    }

private slots:
    void initTestCase() { app::prepareApplication(); }
    void init() { messages.clear(); }
    void cleanupTestCase() { built.clear(); }

    void enterClicksEveryButton_data() {
        QTest::addColumn<Window>("layout");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        for (const Window& w : allWindows())
            for (const Control& c : w.controls) {
                if (c.kind != Kind::Button)
                    continue;
                const QString row = w.form + u'/' + c.name;
                QTest::newRow(qPrintable(row + u" Enter"_qs))
                    << w << c.name << int(Qt::Key_Return) << int(Qt::NoModifier);
                QTest::newRow(qPrintable(row + u" keypad Enter"_qs))
                    << w << c.name << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
            }
    }
    void enterClicksEveryButton() {
        QFETCH(Window, layout);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        auto* b = child<QPushButton>(layout, button);
        QVERIFY(b);
        QVERIFY(!b->isDefault());
        QVERIFY(!b->autoDefault());
        b->setFocus();
        QVERIFY(b->hasFocus());
        QSignalSpy clicked(b, &QPushButton::clicked);
        press(b, key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(clicked.size(), 1);
        // The press leaves the button up again, as Space does.
        QVERIFY(!b->isDown());
    }

    void enterWithModifiersOrElsewhereDoesNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("text box") << "Text1" << int(Qt::NoModifier);
        QTest::newRow("option") << "Option1" << int(Qt::NoModifier);
        QTest::newRow("Ctrl+Enter on a button") << "Command11" << int(Qt::ControlModifier);
        QTest::newRow("Shift+Enter on a button") << "Command11" << int(Qt::ShiftModifier);
    }
    void enterWithModifiersOrElsewhereDoesNothing() {
        QFETCH(QString, target);
        QFETCH(int, modifiers);
        const Window start = startWindow();
        auto* compute = child<QPushButton>(start, u"Command11"_qs);
        auto* w = child<QWidget>(start, target);
        child<QRadioButton>(start, u"Option1"_qs)->setChecked(true);
        w->setFocus();
        QSignalSpy clicked(compute, &QPushButton::clicked);
        press(w, Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(clicked.size(), 0);
    }

    void heldEnterGivesOneResultPerRepeat_data() {
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("errors");
        QTest::newRow("results") << "2" << 0;
        QTest::newRow("division by zero") << "0" << 50;
    }
    void heldEnterGivesOneResultPerRepeat() {
        QFETCH(QString, second);
        QFETCH(int, errors);
        const Window start = startWindow();
        child<QLineEdit>(start, u"Text1"_qs)->setText(u"1"_qs);
        child<QLineEdit>(start, u"Text2"_qs)->setText(second);
        child<QRadioButton>(start, u"Option4"_qs)->setChecked(true);
        auto* compute = child<QPushButton>(start, u"Command11"_qs);
        auto* result = child<QLabel>(start, u"Label1"_qs);
        result->clear();
        compute->setFocus();
        QSignalSpy clicked(compute, &QPushButton::clicked);
        int written = 0;
        connect(compute, &QPushButton::clicked, result,
                [&] { written += !result->text().isEmpty(); });
        for (int i = 0; i < 50; ++i)
            press(compute, Qt::Key_Return, Qt::NoModifier, i > 0);
        QCOMPARE(clicked.size(), 50);
        QCOMPARE(int(messages.size()), errors);
        QCOMPARE(written, errors ? 0 : 50);
        QCOMPARE(result->text().isEmpty(), errors > 0);
    }

    void focusMarkChangesPixels_data() {
        QTest::addColumn<Window>("layout");
        QTest::addColumn<QString>("control");
        for (const Window& w : allWindows())
            for (const Control& c : w.controls)
                if (c.kind == Kind::Button || c.kind == Kind::Option || c.kind == Kind::TextBox)
                    QTest::newRow(qPrintable(w.form + u'/' + c.name)) << w << c.name;
    }
    void focusMarkChangesPixels() {
        QFETCH(Window, layout);
        QFETCH(QString, control);
        QWidget* w = window(layout);
        auto* c = w->findChild<QWidget*>(control);
        QVERIFY(c);
        QWidget* other = nullptr;
        for (QWidget* x : w->findChildren<QWidget*>())
            if (x != c && (x->focusPolicy() & Qt::TabFocus))
                other = x;
        QVERIFY(other);
        other->setFocus();
        QVERIFY(!c->hasFocus());
        const QImage without = c->grab().toImage();
        c->setFocus();
        QVERIFY(c->hasFocus());
        const QImage with = c->grab().toImage();
        QCOMPARE(with.size(), without.size());
        // Plainly visible: a frame around the control, not a pixel or two.
        int changed = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                changed += with.pixel(x, y) != without.pixel(x, y);
        QVERIFY2(changed >= c->width() + c->height(), qPrintable(QString::number(changed)));
    }

    void arrowKeysChooseTheOperation_data() {
        QTest::addColumn<QString>("checked"); // before, "" for none
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        const int down = Qt::Key_Down, up = Qt::Key_Up, left = Qt::Key_Left, right = Qt::Key_Right;
        const auto row = [](const char* name, const char* checked, const char* focused, int key,
                            const char* expected) {
            QTest::newRow(name) << checked << focused << key << expected;
        };
        row("none, Down from the first", "", "Option1", down, "Option2");
        row("none, Right from the first", "", "Option1", right, "Option2");
        row("none, Up on the first", "", "Option1", up, "Option1");
        row("none, Left on the first", "", "Option1", left, "Option1");
        row("Down", "Option2", "Option2", down, "Option3");
        row("Right", "Option2", "Option2", right, "Option3");
        row("Up", "Option3", "Option3", up, "Option2");
        row("Left", "Option2", "Option2", left, "Option1");
        row("Down at the last stays", "Option4", "Option4", down, "Option4");
        row("Right at the last stays", "Option4", "Option4", right, "Option4");
        row("none, Up on the last", "", "Option4", up, "Option3");
        row("focus elsewhere in the group", "Option1", "Option3", down, "Option4");
    }
    void arrowKeysChooseTheOperation() {
        QFETCH(QString, checked);
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(QString, expected);
        // A fresh window: none of its options is chosen yet.
        built.erase(startWindow().form);
        const Window start = startWindow();
        if (!checked.isEmpty())
            child<QRadioButton>(start, checked)->setChecked(true);
        auto* from = child<QRadioButton>(start, focused);
        from->setFocus();
        QTest::keyClick(from, Qt::Key(key));
        auto* to = child<QRadioButton>(start, expected);
        QVERIFY(to->hasFocus());
        QVERIFY(to->isChecked());
        int chosen = 0;
        for (const char* name : {"Option1", "Option2", "Option3", "Option4"})
            chosen += child<QRadioButton>(start, QString::fromLatin1(name))->isChecked();
        QCOMPARE(chosen, 1);
    }

    void toolkitSpeaksArabicLeftToRight_data() {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::newRow("undo") << "QLineEdit"
                              << "&Undo";
        QTest::newRow("paste") << "QLineEdit"
                               << "&Paste";
        QTest::newRow("select all") << "QLineEdit"
                                    << "Select All";
    }
    void toolkitSpeaksArabicLeftToRight() {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QCoreApplication::processEvents();
        const QString text = QCoreApplication::translate(qPrintable(context), qPrintable(source));
        QVERIFY2(text != source, qPrintable(text));
        QVERIFY(std::any_of(text.begin(), text.end(),
                            [](QChar c) { return c.script() == QChar::Script_Arabic; }));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        QCOMPARE(window(startWindow())->layoutDirection(), Qt::LeftToRight);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
