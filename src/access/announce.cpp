// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/announce.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace accessibility {
namespace {

// Orca (43) drops name and text changes of labels and of controls without the focus, but
// speaks a notification the moment it is shown: each announcement is a notification object
// that belongs to the control and is shown anew.
class Announcement : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    QString text;
};

class AnnouncementAccessible : public QAccessibleObject {
public:
    explicit AnnouncementAccessible(Announcement* announcement) : QAccessibleObject(announcement) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcement*>(object())->text : QString();
    }
};

QAccessibleInterface* announcementFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new AnnouncementAccessible(static_cast<Announcement*>(object));
    return nullptr;
}

} // namespace

void announce(QWidget* control, const QString& text) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(announcementFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    if (!control || !QAccessible::isActive())
        return;
    auto* announcement = control->findChild<Announcement*>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcement)
        announcement = new Announcement(control);
    announcement->text = text;
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace accessibility

#include "announce.moc"
