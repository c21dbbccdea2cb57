// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program's description of its windows, calculators and contact buttons as JSON, for
// the end-to-end sessions: those find controls over AT-SPI by role and accessible name, so each
// control is given with the name and text its built window shows; the browser's session clicks
// them, so each is given with its place in its window's client area too.
//
// usage: kozmat-describe FILE   (on any Qt platform; offscreen will do)

#include "harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cstdio>
#include <map>
#include <memory>

using harness::name;
using windows::WindowId;

namespace {

std::map<WindowId, std::unique_ptr<QWidget>> built;

QWidget* window(WindowId id) {
    auto& slot = built[id];
    if (!slot)
        slot = harness::build(id);
    return slot.get();
}

// A control as AT-SPI tells it: its accessible name (a button's caption when it has none),
// description, and the title of the frame it sits in.
QJsonObject control(WindowId id, const char* objectName) {
    const QWidget* w = harness::get<QWidget>(window(id), name(objectName));
    QString accessible = w->accessibleName();
    if (auto* button = qobject_cast<const QAbstractButton*>(w); button && accessible.isEmpty())
        accessible = button->text().remove(u'&');
    const QRect place(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    QJsonObject o{
        {"name",                  name(objectName)                                               },
        {"accessibleName",        accessible                                                     },
        {"accessibleDescription", w->accessibleDescription()                                     },
        {"place",                 QJsonArray{place.x(), place.y(), place.width(), place.height()}}
    };
    if (auto* frame = qobject_cast<const QGroupBox*>(w->parentWidget()))
        o["frame"] = frame->title();
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        o["kind"] = "label";
        o["text"] = label->text();
    } else if (auto* box = qobject_cast<const QLineEdit*>(w)) {
        o["kind"] = "box";
        o["text"] = box->text();
    } else if (qobject_cast<const QRadioButton*>(w)) {
        o["kind"] = "option";
    } else if (qobject_cast<const QAbstractButton*>(w)) {
        o["kind"] = "button";
    }
    return o;
}

QJsonValue form(WindowId id) {
    return name(windows::windowInfo(id).form);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The windows go before the application does.
    const struct Close {
        ~Close() { built.clear(); }
    } close;
    if (argc != 2) {
        std::fprintf(stderr, "usage: kozmat-describe FILE\n");
        return 2;
    }
    QJsonArray windowList, calculators, contacts;
    for (WindowId id : windows::allWindowIds) {
        const windows::WindowInfo& info = windows::windowInfo(id);
        QJsonObject w{
            {"form",    form(id)                                             },
            {"caption", window(id)->windowTitle()                            },
            {"size",    QJsonArray{window(id)->width(), window(id)->height()}}
        };
        if (info.menuButton)
            w["menuButton"] = control(WindowId::Start, info.menuButton);
        if (info.greeting)
            w["greeting"] = control(id, info.greeting);
        windowList.append(w);
    }
    for (const windows::Calculator& c : windows::calculators()) {
        QJsonArray inputs;
        for (const QString& input : harness::distinctInputs(c))
            inputs.append(control(c.window, qPrintable(input)));
        const QJsonObject button = control(c.window, c.button),
                          output = control(c.window, c.output);
        QJsonObject o{
            {"window", form(c.window)},
            {"button", button        },
            {"inputs", inputs        },
            {"output", output        }
        };
        if (c.option)
            o["option"] = control(c.window, c.option);
        calculators.append(o);
    }
    for (const harness::ContactCase& c : harness::contactCases) {
        const QJsonObject button = control(c.window, c.button);
        contacts.append(QJsonObject{
            {"window",       form(c.window)},
            {"button",       button        },
            {"text",         c.text        },
            {"blanksBefore", c.blanksBefore},
            {"blanksAfter",  c.blanksAfter }
        });
    }

    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "kozmat-describe: cannot write %s\n", argv[1]);
        return 1;
    }
    const QJsonObject all{
        {"windows",     windowList },
        {"calculators", calculators},
        {"contacts",    contacts   }
    };
    out.write(QJsonDocument(all).toJson());
    return out.error() == QFile::NoError ? 0 : 1;
}
