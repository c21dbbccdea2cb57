// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A canvas raises no on-screen keyboard. While one of the program's boxes has the focus, the
// page keeps a text field of its own focused, whose number pad a touch device shows, and hands
// what is typed there to the program here, as keys pressed on a keyboard: the box's own rules
// (its reading of digits, a read-only box) apply as they do to a keyboard.

#include "platform/web/page.h"

#include <QGuiApplication>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QWindow>
#include <emscripten/bind.h>
#include <string>

namespace platform::web {
namespace {

void press(int key, const QString& text = {}) {
    QWindow* window = QGuiApplication::focusWindow();
    if (!window)
        return;
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(window, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(window, &up);
}

// Text typed on the page's field: each character as the key that types it.
void typeText(const std::string& utf8) {
    for (const QChar c : QString::fromStdString(utf8)) {
        const int key = c.unicode() < 0x80 ? QChar(c).toUpper().unicode() : int(Qt::Key_unknown);
        press(key, QString(c));
    }
}

// A key of the page's field that types nothing, by its DOM name.
void pressKey(const std::string& name) {
    static const std::pair<const char*, Qt::Key> keys[] = {
        {"Backspace",  Qt::Key_Backspace},
        {"Delete",     Qt::Key_Delete   },
        {"Enter",      Qt::Key_Return   },
        {"Tab",        Qt::Key_Tab      },
        {"Escape",     Qt::Key_Escape   },
        {"ArrowLeft",  Qt::Key_Left     },
        {"ArrowRight", Qt::Key_Right    },
        {"ArrowUp",    Qt::Key_Up       },
        {"ArrowDown",  Qt::Key_Down     },
        {"Home",       Qt::Key_Home     },
        {"End",        Qt::Key_End      },
    };
    for (const auto& [dom, key] : keys) {
        if (name == dom) {
            press(key, key == Qt::Key_Return ? QStringLiteral("\r") : QString());
            return;
        }
    }
}

} // namespace

void followTyping() {
    // The page is told whether what has the focus takes typed text (an editable box); it then
    // focuses its field on a touch device.
    QObject::connect(qGuiApp, &QGuiApplication::focusObjectChanged, qGuiApp, [](QObject* object) {
        bool typing = false;
        if (object) {
            QInputMethodQueryEvent query(Qt::ImEnabled);
            QCoreApplication::sendEvent(object, &query);
            typing = query.value(Qt::ImEnabled).toBool();
        }
        tellPage("kozmat-typing", typing ? QStringLiteral("box") : QString());
    });
}

} // namespace platform::web

EMSCRIPTEN_BINDINGS(kozmat_number_pad) {
    emscripten::function("kozmatType", &platform::web::typeText);
    emscripten::function("kozmatKey", &platform::web::pressKey);
}
