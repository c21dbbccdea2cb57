// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/announce.h"

#include "platform/screenreader.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace accessibility {
namespace {

// Orca (43) drops name and text changes of labels and of controls without the focus, but
// speaks a notification the moment it is shown. It says the role's name first ("notification",
// untranslated), except for a notification inside a status bar: so each control holds a hidden
// status bar, and that holds the notification that is shown anew for each announcement.
class StatusHolder : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
};

class Announcement : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    QString text;
};

// Neither object is among its parent's children: they are reached only through the events,
// so flat review and the focus never meet them.
class HiddenAccessible : public QAccessibleObject {
public:
    HiddenAccessible(QObject* object, QAccessible::Role role)
        : QAccessibleObject(object), role_(role) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return role_ == QAccessible::StatusBar ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        if (role_ != QAccessible::StatusBar || index != 0)
            return nullptr;
        auto* announcement =
            object()->findChild<Announcement*>(QString(), Qt::FindDirectChildrenOnly);
        return announcement ? QAccessible::queryAccessibleInterface(announcement) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() && child->object()->parent() == object() ? 0 : -1;
    }
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || role_ != QAccessible::Notification)
            return {};
        return static_cast<Announcement*>(object())->text;
    }

private:
    QAccessible::Role role_;
};

QAccessibleInterface* hiddenFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(StatusHolder::staticMetaObject.className()))
        return new HiddenAccessible(object, QAccessible::StatusBar);
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new HiddenAccessible(object, QAccessible::Notification);
    return nullptr;
}

} // namespace

void announce(QWidget* control, const QString& text) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(hiddenFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    platform::sayToScreenReader(text);
    if (!control || !QAccessible::isActive())
        return;
    auto* holder = control->findChild<StatusHolder*>(QString(), Qt::FindDirectChildrenOnly);
    if (!holder)
        holder = new StatusHolder(control);
    auto* announcement = holder->findChild<Announcement*>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcement)
        announcement = new Announcement(holder);
    announcement->text = text;
    // The name change refreshes what the reader may have kept of the old text; the showing
    // is what it speaks.
    QAccessibleEvent renamed(announcement, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace accessibility

#include "announce.moc"
