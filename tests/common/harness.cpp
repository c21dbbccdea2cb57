// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"

#include "widgets/messagebox.h"
#include "windows/create.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <map>

namespace harness {

MessageRecorder::MessageRecorder() {
    widgets::setMessageHook([this](const QString& prompt, const QString& title, int style) {
        messages.push_back({prompt, title, style, visibleWindows()});
    });
}

MessageRecorder::~MessageRecorder() {
    widgets::setMessageHook({});
}

QString local(QString text) {
    bool number = false;
    text.toDouble(&number);
    return number ? text.replace(u'.', QLocale::system().decimalPoint()) : text;
}

QStringList texts(const QWidget* window, const QStringList& except) {
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

QStringList with(QStringList lines, const QString& name, const QString& text) {
    for (QString& line : lines)
        if (line.startsWith(name + u": "_qs))
            line = name + u": "_qs + text;
    return lines;
}

QString shownText(const QWidget* window, const QString& name) {
    if (auto* edit = window->findChild<QLineEdit*>(name))
        return edit->text();
    return get<QLabel>(window, name)->text();
}

void type(QWidget* window, const QString& box, const QString& text) {
    auto* edit = get<QLineEdit>(window, box);
    edit->clear();
    // keyClicks stops at characters beyond Latin-1.
    for (QChar ch : text)
        if (ch.unicode() > 0xff)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        else
            QTest::keyClick(edit, ch.toLatin1());
}

void click(QWidget* window, const QString& name) {
    QTest::mouseClick(get<QWidget>(window, name), Qt::LeftButton);
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int visibleWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->isVisible();
    return n;
}

QStringList visibleForms() {
    QStringList forms;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            forms << w->objectName();
    forms.sort();
    return forms;
}

QStringList allForms() {
    QStringList forms;
    for (windows::WindowId id : windows::allWindowIds)
        forms << name(windows::windowInfo(id).form);
    forms.sort();
    return forms;
}

std::unique_ptr<QWidget> build(windows::WindowId id) {
    std::unique_ptr<QWidget> w(
        windows::createWindow(id, StartWindow::Actions{[](windows::WindowId) {}, [] {}}));
    w->show();
    return w;
}

namespace {

const QString credit = u"تصميم وبرمجة: فريق كوزماط"_qs;
const QString email = u"kozmat@example.org"_qs;
const QString website = u"kozmat.example.org"_qs;
using enum windows::WindowId;

} // namespace

const std::vector<ContactCase> contactCases = {
    {Start,         "Command7", credit,  0, 0},
    {Start,         "Command8", email,   0, 0},
    {Start,         "Command9", website, 0, 0},
    {Square,        "Command6", credit,  0, 1},
    {Square,        "Command5", email,   1, 0},
    {Square,        "Command4", website, 1, 1},
    {Rectangle,     "Command6", credit,  2, 1},
    {Rectangle,     "Command5", email,   1, 0},
    {Rectangle,     "Command4", website, 0, 1},
    {Rhombus,       "Command6", credit,  0, 1},
    {Rhombus,       "Command5", email,   1, 0},
    {Rhombus,       "Command4", website, 1, 1},
    {Parallelogram, "Command6", credit,  2, 1},
    {Parallelogram, "Command5", email,   2, 1},
    {Parallelogram, "Command4", website, 2, 1},
    {Circle,        "Command3", credit,  0, 0},
    {Circle,        "Command4", email,   1, 0},
    {Circle,        "Command5", website, 1, 1},
};

QString name(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const windows::Calculator& calculator(windows::WindowId id, const QString& button,
                                      const QString& option) {
    for (const windows::Calculator& c : windows::calculators())
        if (c.window == id && name(c.button) == button && name(c.option) == option)
            return c;
    qFatal("no calculator %s %s", qPrintable(button), qPrintable(option));
}

QStringList distinctInputs(const windows::Calculator& c) {
    QStringList boxes;
    for (const char* input : c.inputs)
        if (!boxes.contains(name(input)))
            boxes << name(input);
    return boxes;
}

QString rowName(const windows::Calculator& c) {
    QString row = name(windows::windowInfo(c.window).form) + u' ' + name(c.button);
    if (c.option)
        row += u' ' + name(c.option);
    return row;
}

} // namespace harness
