// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Which accessibility events reach the screen reader through the filter. The offscreen platform
// has no reader, so the events are handed to the installed handler directly, and a recorder
// installed before the filter shows which ones it passed on.

#include "access/readerfilter.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace {

QList<QAccessible::Event> passed;
void record(QAccessibleEvent* event) {
    passed << event->type();
}

enum class Source { FocusedBox, OtherBox, HiddenWindowBox, HiddenWindow, Plain };

} // namespace

Q_DECLARE_METATYPE(Source)

class TestReaderFilter : public QObject {
    Q_OBJECT

    QAccessible::UpdateHandler filter = nullptr;
    std::unique_ptr<QWidget> shown, hidden;
    QLineEdit *focused = nullptr, *other = nullptr, *hiddenBox = nullptr;
    QObject plain;

private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(record);
        accessibility::installReaderFilter();
        accessibility::installReaderFilter();
        filter = QAccessible::installUpdateHandler(nullptr);
        QAccessible::installUpdateHandler(filter);
        QVERIFY(filter && filter != record);

        shown = std::make_unique<QWidget>();
        auto* frame = new QGroupBox(u"frame"_qs, shown.get());
        auto* layout = new QVBoxLayout(frame);
        layout->addWidget(focused = new QLineEdit(u"3"_qs));
        layout->addWidget(other = new QLineEdit(u"12"_qs));
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        focused->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), focused);

        hidden = std::make_unique<QWidget>();
        hiddenBox = new QLineEdit(hidden.get());
    }

    void passesOn_data() {
        QTest::addColumn<Source>("source");
        QTest::addColumn<QAccessible::Event>("type");
        QTest::addColumn<bool>("heard");
        QTest::newRow("selection of the box with the focus")
            << Source::FocusedBox << QAccessible::TextSelectionChanged << true;
        QTest::newRow("selection of a box without the focus")
            << Source::OtherBox << QAccessible::TextSelectionChanged << false;
        QTest::newRow("name of a box without the focus")
            << Source::OtherBox << QAccessible::NameChanged << true;
        QTest::newRow("showing of a control in a shown window")
            << Source::OtherBox << QAccessible::ObjectShow << true;
        QTest::newRow("name of a control in a hidden window")
            << Source::HiddenWindowBox << QAccessible::NameChanged << false;
        QTest::newRow("showing of a control in a hidden window")
            << Source::HiddenWindowBox << QAccessible::ObjectShow << false;
        QTest::newRow("a hidden window's own hiding")
            << Source::HiddenWindow << QAccessible::ObjectHide << true;
        QTest::newRow("showing of an object that is no widget")
            << Source::Plain << QAccessible::ObjectShow << true;
    }
    void passesOn() {
        QFETCH(Source, source);
        QFETCH(QAccessible::Event, type);
        QFETCH(bool, heard);
        QObject* object = nullptr;
        switch (source) {
        case Source::FocusedBox:
            object = focused;
            break;
        case Source::OtherBox:
            object = other;
            break;
        case Source::HiddenWindowBox:
            object = hiddenBox;
            break;
        case Source::HiddenWindow:
            object = hidden.get();
            break;
        case Source::Plain:
            object = &plain;
            break;
        }
        passed.clear();
        if (type == QAccessible::TextSelectionChanged) {
            QAccessibleTextSelectionEvent event(object, 0, 0);
            filter(&event);
        } else {
            QAccessibleEvent event(object, type);
            filter(&event);
        }
        QCOMPARE(passed, heard ? QList<QAccessible::Event>{type} : QList<QAccessible::Event>{});
    }
};

QTEST_MAIN(TestReaderFilter)
#include "tst_readerfilter.moc"
