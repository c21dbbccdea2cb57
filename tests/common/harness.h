// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/catalogue.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

namespace harness {

struct Message {
    QString prompt, title;
    int style;
    int visibleWindows; // when it was shown
};

// Records every message the program shows instead of showing it, while it exists.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::size_t size() const { return messages.size(); }
    bool empty() const { return messages.empty(); }
    const Message& operator[](std::size_t i) const { return messages.at(i); }
    auto begin() const { return messages.begin(); }
    auto end() const { return messages.end(); }
    void clear() { messages.clear(); }

private:
    std::vector<Message> messages;
};

// A number written with the point, as the user's locale writes it; other texts unchanged.
QString local(QString text);

// Every text the user sees in a window's boxes and labels but the ones named, as sorted
// "name: text" lines, so that a failed comparison names the box that changed.
QStringList texts(const QWidget* window, const QStringList& except = {});
// The same lines with one box's text replaced.
QStringList with(QStringList lines, const QString& name, const QString& text);
// The text of a box or label.
QString shownText(const QWidget* window, const QString& name);

// The child of that name; the test ends if there is none.
template <class T> T* get(const QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("%s has no %s", qPrintable(window->objectName()), qPrintable(name));
    return found;
}

// Clears the box and types the text, key by key (Arabic-Indic digits too).
void type(QWidget* window, const QString& box, const QString& text);
// A mouse click on the button, option button or box.
void click(QWidget* window, const QString& name);

// Deletes what waits for deletion and handles what is pending.
void settle();
int visibleWindows();
// The object names of the visible top-level windows, sorted.
QStringList visibleForms();
// Every window's form name, sorted.
QStringList allForms();

// A window built on its own, shown; the start window's menu and exit do nothing.
std::unique_ptr<QWidget> build(windows::WindowId id);

// What each credits and contact button writes into its window's greeting label.
struct ContactCase {
    windows::WindowId window;
    const char* button;
    QString text;
    int blanksBefore, blanksAfter;

    QString shown() const {
        return QString(blanksBefore, u' ') + text + QString(blanksAfter, u' ');
    }
};
extern const std::vector<ContactCase> contactCases;

QString name(const char* utf8);
// The calculator of that button, and option if it has one; the test ends if there is none.
const windows::Calculator& calculator(windows::WindowId id, const QString& button,
                                      const QString& option = {});
// Each box a calculator reads, once, in the order first read.
QStringList distinctInputs(const windows::Calculator& c);
// The form and button of a calculator, and its option if it has one: a row name.
QString rowName(const windows::Calculator& c);

} // namespace harness
