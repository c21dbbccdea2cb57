// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace accessibility {
namespace {

bool isEnter(const QKeyEvent* key) {
    const auto mods = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier;
}

class EnterClicks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        // Default and auto-default buttons (those of message boxes) answer Enter themselves.
        if (!button || button->autoDefault() || button->isDefault() || !button->isEnabled() ||
            !button->hasFocus() || !isEnter(static_cast<QKeyEvent*>(event)))
            return false;
        // Every press counts, auto-repeated ones too: a held key gives one result per repeat.
        button->click();
        return true;
    }
};

class ArrowKeys : public QObject {
public:
    ArrowKeys(const QList<QRadioButton*>& options, QObject* parent)
        : QObject(parent), options_(options.begin(), options.end()) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        int step = 0;
        switch (key->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        default:
            return false;
        }
        qsizetype at = -1;
        for (qsizetype i = 0; i < options_.size(); ++i)
            if (options_[i] == watched)
                at = i;
        if (at < 0)
            return false;
        const qsizetype to = std::clamp<qsizetype>(at + step, 0, options_.size() - 1);
        QRadioButton* target = options_[to];
        if (target) {
            target->setFocus(Qt::TabFocusReason);
            if (!target->isChecked())
                target->click();
        }
        return true;
    }

private:
    QList<QPointer<QRadioButton>> options_;
};

} // namespace

void installEnterClicks() {
    static QPointer<EnterClicks> filter;
    if (filter)
        return;
    filter = new EnterClicks(qApp);
    qApp->installEventFilter(filter);
}

void arrowKeysSelect(const QList<QRadioButton*>& options) {
    if (options.isEmpty())
        return;
    auto* filter = new ArrowKeys(options, options.front());
    for (QRadioButton* option : options)
        option->installEventFilter(filter);
}

} // namespace accessibility
