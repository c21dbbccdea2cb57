// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A screen reader in a browser sees the page, not what Qt draws on its canvas. The page keeps
// an element for each control of the window in front and points the canvas at the one with the
// focus (page.js); what each element says is what Qt's accessibility tells a desktop screen
// reader of that control, read here from the same interfaces, so nothing is named twice.

#include "platform/web/page.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qguiapplication_p.h>
#include <algorithm>
#include <climits>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace platform::web {
namespace {

// The page's roles for the controls a pupil reaches by Tab; none for the others (a message
// box's text, which Qt lets take the focus, is its description).
QString ariaRole(QAccessible::Role role) {
    switch (role) {
    case QAccessible::EditableText:
        return QStringLiteral("textbox");
    case QAccessible::RadioButton:
        return QStringLiteral("radio");
    case QAccessible::CheckBox:
        return QStringLiteral("checkbox");
    case QAccessible::Button:
        return QStringLiteral("button");
    case QAccessible::Graphic:
        return QStringLiteral("img");
    default:
        return {};
    }
}

// The texts of a message box that are not its buttons: what the box says.
QString staticTexts(QAccessibleInterface* parent) {
    QStringList texts;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child && child->role() == QAccessible::StaticText && !child->state().invisible)
            texts << child->text(QAccessible::Name);
    }
    texts.removeAll(QString());
    return texts.join(u'\n');
}

class Presenter : public QObject {
public:
    explicit Presenter(QObject* parent) : QObject(parent) {
        instance_ = this;
        // Qt sends its accessibility's events only while its platform says a screen reader
        // listens, which in a browser nothing ever says: the page may have one at any time.
        if (QPlatformAccessibility* accessibility =
                QGuiApplicationPrivate::platformIntegration()->accessibility())
            accessibility->setActive(true);
        previous_ = QAccessible::installUpdateHandler(&Presenter::updated);
        connect(qGuiApp, &QGuiApplication::focusObjectChanged, this, &Presenter::later);
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &Presenter::later);
    }

private:
    using Ranked = std::pair<int, QJsonObject>;

    static void updated(QAccessibleEvent* event) {
        instance_->noted(event);
        if (instance_->previous_) {
            instance_->previous_(event);
            return;
        }
        // No handler before this one: the event takes Qt's own way to the platform.
        const QAccessible::UpdateHandler self = QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(self);
    }

    void noted(const QAccessibleEvent* event) {
        QObject* object = event->object();
        switch (event->type()) {
        case QAccessible::ObjectShow:
        case QAccessible::ObjectHide:
            // A control shown or hidden in the window in front: the page's set follows.
            if (const auto* widget = qobject_cast<QWidget*>(object);
                widget && !widget->isWindow() && widget->window() == shown_.data())
                shown_ = nullptr;
            break;
        case QAccessible::NameChanged:
            if (object == shown_)
                shown_ = nullptr;
            [[fallthrough]];
        case QAccessible::DescriptionChanged:
        case QAccessible::ValueChanged:
        case QAccessible::StateChanged:
        case QAccessible::TextInserted:
        case QAccessible::TextRemoved:
        case QAccessible::TextUpdated:
            if (inFront_.contains(object))
                changed_.insert(object);
            break;
        default:
            return;
        }
        later();
    }

    // Told once the event that changed things is over: a control's state is then whole.
    void later() {
        if (!pending_) {
            pending_ = true;
            QTimer::singleShot(0, this, &Presenter::tell);
        }
    }

    void tell() {
        pending_ = false;
        QWindow* window = QGuiApplication::focusWindow();
        QAccessibleInterface* root = window ? window->accessibleRoot() : nullptr;
        QObject* top = root ? root->object() : nullptr;
        if (top != shown_.data()) {
            shown_ = top;
            inFront_.clear();
            tellPage("kozmat-controls", root ? json(describeWindow(root)) : QString());
        } else {
            for (QObject* object : std::as_const(changed_)) {
                if (inFront_.contains(object))
                    if (QAccessibleInterface* control =
                            QAccessible::queryAccessibleInterface(object))
                        tellPage("kozmat-control", json(describe(control)));
            }
        }
        changed_.clear();
        QObject* focus = QGuiApplication::focusObject();
        const QString id = inFront_.contains(focus) ? ids_.value(focus) : QString();
        if (id != focused_) {
            focused_ = id;
            tellPage("kozmat-focus", id);
        }
    }

    // The window: its name, for a message box its role and text, and its controls.
    QJsonObject describeWindow(QAccessibleInterface* root) {
        // Tab's order, from the control the window gives the focus first.
        order_.clear();
        if (auto* top = qobject_cast<QWidget*>(root->object())) {
            QWidget* first = top->focusWidget() ? top->focusWidget() : top;
            QWidget* w = first;
            do {
                order_.insert(w, int(order_.size()));
                w = w->nextInFocusChain();
            } while (w && w != first);
        }
        QList<Ranked> found;
        controls(root, found);
        std::stable_sort(found.begin(), found.end(),
                         [](const Ranked& a, const Ranked& b) { return a.first < b.first; });
        QJsonArray list;
        for (const Ranked& control : std::as_const(found))
            list.append(control.second);
        QJsonObject window{
            {"name",     root->text(QAccessible::Name)},
            {"controls", list                         }
        };
        if (root->role() == QAccessible::AlertMessage) {
            QString text = root->text(QAccessible::Description);
            window.insert("role", "alertdialog");
            window.insert("description", text.isEmpty() ? staticTexts(root) : text);
        }
        return window;
    }

    // The focusable controls under parent, ranked in the order Tab reaches them, so that a
    // screen reader reading the page meets them in that order too. Group boxes are not among
    // them: in a page Orca follows each group the focus leaves with "leaving panel", in
    // English whatever its language.
    void controls(QAccessibleInterface* parent, QList<Ranked>& found) {
        for (int i = 0; i < parent->childCount(); ++i) {
            QAccessibleInterface* child = parent->child(i);
            if (!child || !child->isValid() || child->state().invisible)
                continue;
            if (!child->state().focusable)
                controls(child, found);
            else if (!ariaRole(child->role()).isEmpty())
                found.append({order_.value(child->object(), INT_MAX), describe(child)});
        }
    }

    QJsonObject describe(QAccessibleInterface* control) {
        const QAccessible::State state = control->state();
        QJsonObject told{
            {"id",   idOf(control->object())         },
            {"role", ariaRole(control->role())       },
            {"name", control->text(QAccessible::Name)}
        };
        if (const QString description = control->text(QAccessible::Description);
            !description.isEmpty())
            told.insert("description", description);
        if (control->role() == QAccessible::EditableText)
            told.insert("value", control->text(QAccessible::Value));
        if (state.checkable)
            told.insert("checked", bool(state.checked));
        if (state.disabled)
            told.insert("disabled", true);
        if (state.readOnly && control->role() == QAccessible::EditableText)
            told.insert("readonly", true);
        inFront_.insert(control->object());
        return told;
    }

    // Each control keeps its element's id as long as it lives.
    QString idOf(QObject* object) {
        auto found = ids_.constFind(object);
        if (found != ids_.cend())
            return *found;
        connect(object, &QObject::destroyed, this, [this, object] {
            ids_.remove(object);
            inFront_.remove(object);
            changed_.remove(object);
        });
        return *ids_.insert(object, QStringLiteral("kozmat-%1").arg(++made_));
    }

    static QString json(const QJsonObject& object) {
        return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
    }

    static inline Presenter* instance_ = nullptr;
    QAccessible::UpdateHandler previous_ = nullptr;
    QHash<QObject*, QString> ids_;
    QHash<QObject*, int> order_;
    QSet<QObject*> inFront_, changed_;
    QPointer<QObject> shown_;
    QString focused_;
    int made_ = 0;
    bool pending_ = false;
};

} // namespace

void presentControls() {
    static const Presenter* presenter = new Presenter(qGuiApp);
    Q_UNUSED(presenter);
}

} // namespace platform::web
