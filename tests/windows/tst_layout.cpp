// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window against its layout table: names, kinds, containers, texts, geometry, colours,
// alignment, stacking and tab order.

#include "app/application.h"
#include "layout.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <limits>
#include <memory>

using namespace layout;

Q_DECLARE_METATYPE(layout::Window)
Q_DECLARE_METATYPE(layout::Control)

namespace {

QRect pixels(int left, int top, int width, int height) {
    // 15 twips to a pixel; every figure of the tables divides exactly.
    for (int t : {left, top, width, height})
        if (t % 15 != 0)
            qFatal("layout table holds %d twips, not a whole pixel", t);
    return {left / 15, top / 15, width / 15, height / 15};
}

QColor buttonFace() {
    return QApplication::palette().color(QPalette::Button);
}

bool takesFocus(Kind kind) {
    return kind != Kind::Frame && kind != Kind::Label;
}

QString textOf(const QWidget* w) {
    if (auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    return {};
}

const char* className(Kind kind) {
    switch (kind) {
    case Kind::Frame:
        return "QGroupBox";
    case Kind::Label:
        return "QLabel";
    case Kind::Picture:
        return "widgets::PictureBox";
    case Kind::TextBox:
        return "QLineEdit";
    case Kind::Option:
        return "QRadioButton";
    case Kind::Button:
        return "QPushButton";
    }
    return "";
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

    std::map<QString, std::unique_ptr<QWidget>> built;

    QWidget* window(const Window& w) {
        auto& slot = built[w.form];
        if (!slot) {
            slot.reset(w.create());
            slot->show();
        }
        return slot.get();
    }

private slots:
    void initTestCase() { app::prepareApplication(); }
    void cleanupTestCase() { built.clear(); }

    void windowSettings_data() {
        QTest::addColumn<Window>("layout");
        for (const Window& w : allWindows())
            QTest::newRow(qPrintable(w.form)) << w;
    }
    void windowSettings() {
        QFETCH(Window, layout);
        QWidget* w = window(layout);
        QCOMPARE(w->objectName(), layout.form);
        QCOMPARE(w->windowTitle(), layout.caption);
        QVERIFY(w->isWindow());
        QVERIFY(!w->parentWidget());
        QCOMPARE(w->size(), pixels(0, 0, layout.width, layout.height).size());
        QCOMPARE(w->palette().color(QPalette::Window),
                 layout.colour ? QColor(*layout.colour) : buttonFace());
        QCOMPARE(w->layoutDirection(), Qt::LeftToRight);
        // Nothing but the table's controls is on the window.
        QCOMPARE(w->findChildren<QWidget*>().size(), qsizetype(layout.controls.size()));
    }

    void controls_data() {
        QTest::addColumn<Window>("layout");
        QTest::addColumn<Control>("control");
        for (const Window& w : allWindows())
            for (const Control& c : w.controls)
                QTest::newRow(qPrintable(w.form + u'/' + c.name)) << w << c;
    }
    void controls() {
        QFETCH(Window, layout);
        QFETCH(Control, control);
        QWidget* w = window(layout);
        const auto found = w->findChildren<QWidget*>(control.name);
        QCOMPARE(found.size(), 1);
        QWidget* c = found.front();

        QCOMPARE(c->metaObject()->className(), className(control.kind));
        QCOMPARE(c->parentWidget()->objectName(),
                 control.container == u"window" ? layout.form : control.container);
        QCOMPARE(textOf(c), control.text);
        QCOMPARE(c->geometry(), pixels(control.left, control.top, control.width, control.height));
        QVERIFY(c->isVisible());
        QVERIFY(c->isEnabled());
        QCOMPARE(bool(c->focusPolicy() & Qt::TabFocus), takesFocus(control.kind));
        // A screen reader names every box and picture by its own accessible name; a label is
        // read by its text, which a fixed name would hide when the text changes.
        if (control.kind == Kind::TextBox || control.kind == Kind::Picture)
            QVERIFY2(!c->accessibleName().isEmpty(), "no accessible name");
        if (control.kind == Kind::Picture)
            QVERIFY2(!c->accessibleDescription().isEmpty(), "no accessible description");
        if (control.kind == Kind::Label)
            QVERIFY2(c->accessibleName().isEmpty(), "a label with a fixed accessible name");

        const QColor expected = control.colour ? QColor(*control.colour) : QColor();
        switch (control.kind) {
        case Kind::TextBox: {
            auto* edit = static_cast<QLineEdit*>(c);
            QCOMPARE(c->palette().color(QPalette::Base),
                     expected.isValid() ? expected : QColor(Qt::white));
            QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask,
                     control.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
            QVERIFY(edit->hasFrame());
            QVERIFY(!edit->isReadOnly());
            QCOMPARE(edit->maxLength(), std::numeric_limits<int>::max()); // no length limit
            break;
        }
        case Kind::Label: {
            auto* label = static_cast<QLabel*>(c);
            QVERIFY(c->autoFillBackground());
            QCOMPARE(c->palette().color(QPalette::Window),
                     expected.isValid() ? expected : buttonFace());
            QVERIFY(label->wordWrap());
            QCOMPARE(label->frameShape(), QFrame::NoFrame);
            QCOMPARE(label->textFormat() == Qt::RichText, false);
            Qt::Alignment h;
            switch (control.align) {
            case Align::Centre:
                h = Qt::AlignHCenter;
                break;
            case Align::Right:
                h = Qt::AlignRight | Qt::AlignAbsolute;
                break;
            case Align::None:
            case Align::Left:
                h = Qt::AlignLeft | Qt::AlignAbsolute;
                break;
            }
            QCOMPARE(label->alignment(), h | Qt::AlignTop);
            break;
        }
        case Kind::Frame:
            QVERIFY(c->autoFillBackground());
            QCOMPARE(c->palette().color(QPalette::Window), buttonFace());
            break;
        case Kind::Picture: {
            auto* picture = static_cast<QLabel*>(c);
            QVERIFY(c->autoFillBackground());
            QCOMPARE(c->palette().color(QPalette::Window), buttonFace());
            QCOMPARE(picture->frameShape(), QFrame::Panel);
            QCOMPARE(picture->frameShadow(), QFrame::Sunken);
            QCOMPARE(picture->lineWidth(), 2);
            QCOMPARE(picture->alignment(), Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop);
            QVERIFY(!picture->hasScaledContents());
            break;
        }
        case Kind::Button: {
            auto* button = static_cast<QPushButton*>(c);
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
            break;
        }
        case Kind::Option:
            QVERIFY(!static_cast<QRadioButton*>(c)->isChecked());
            QVERIFY(static_cast<QRadioButton*>(c)->autoExclusive());
            break;
        }
    }

    // Siblings are created in the order of the table, so they overlap the way it lays them out.
    void creationOrder_data() { windowSettings_data(); }
    void creationOrder() {
        QFETCH(Window, layout);
        QWidget* w = window(layout);
        std::map<QString, QStringList> expected;
        for (const Control& c : layout.controls)
            expected[c.container == u"window" ? layout.form : c.container] << c.name;
        for (const auto& [container, names] : expected) {
            QWidget* parent = container == layout.form ? w : w->findChild<QWidget*>(container);
            QVERIFY(parent);
            QStringList actual;
            for (QObject* child : parent->children())
                if (child->isWidgetType())
                    actual << child->objectName();
            QCOMPARE(actual, names);
        }
    }

    // The keyboard focus visits the controls that take it in the order of their tab indexes.
    void tabOrder_data() { windowSettings_data(); }
    void tabOrder() {
        QFETCH(Window, layout);
        QWidget* w = window(layout);
        std::vector<Control> focusable;
        for (const Control& c : layout.controls)
            if (takesFocus(c.kind))
                focusable.push_back(c);
        std::ranges::sort(focusable, {}, &Control::tab);
        QStringList expected;
        for (const Control& c : focusable)
            expected << c.name;

        // The focus starts at the first tab stop, then visits the others in turn.
        QWidget* first = w->findChild<QWidget*>(expected.front());
        QCOMPARE(w->focusWidget(), first);
        QStringList actual;
        QWidget* at = first;
        do {
            if (at->focusPolicy() & Qt::TabFocus)
                actual << at->objectName();
            at = at->nextInFocusChain();
        } while (at != first && actual.size() <= expected.size());
        QCOMPARE(actual, expected);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
