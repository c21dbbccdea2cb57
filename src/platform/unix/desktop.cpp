// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop.h"

#include "platform/unix/displays.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <dlfcn.h>

namespace platform {
namespace {

enum class Kind { X11, Wayland, Other };

Kind kindOf(const QByteArray& entry) {
    // An entry may carry arguments: "xcb:foo=bar".
    const QByteArray name = entry.split(':').first().trimmed();
    if (name == "xcb")
        return Kind::X11;
    if (name.startsWith("wayland"))
        return Kind::Wayland;
    return Kind::Other;
}

// Opens a client library at run time: the platform plugins bring it, the program does not
// link it, and without it the matching plugin could not run either.
template <typename Function> Function symbol(const char* library, const char* name) {
    void* handle = dlopen(library, RTLD_LAZY | RTLD_LOCAL);
    return handle ? reinterpret_cast<Function>(dlsym(handle, name)) : nullptr;
}

bool x11Answers() {
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = symbol<Connect>("libxcb.so.1", "xcb_connect");
    const auto hasError = symbol<HasError>("libxcb.so.1", "xcb_connection_has_error");
    const auto disconnect = symbol<Disconnect>("libxcb.so.1", "xcb_disconnect");
    if (!connect || !hasError || !disconnect)
        return false;
    void* connection = connect(nullptr, nullptr);
    // A failed connection is an error object that must still be released.
    const bool answers = connection && hasError(connection) == 0;
    if (connection)
        disconnect(connection);
    return answers;
}

bool waylandAnswers() {
    // No named compositor means none: the client library would otherwise try a default
    // socket, and say so on standard error when there is no runtime folder.
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (qEnvironmentVariableIsEmpty("WAYLAND_SOCKET") &&
        (name.isEmpty() ||
         (!name.startsWith('/') && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))))
        return false;
    using Connect = void* (*)(const char*);
    using Disconnect = void (*)(void*);
    const auto connect = symbol<Connect>("libwayland-client.so.0", "wl_display_connect");
    const auto disconnect = symbol<Disconnect>("libwayland-client.so.0", "wl_display_disconnect");
    if (!connect || !disconnect)
        return false;
    void* display = connect(nullptr);
    if (!display)
        return false;
    disconnect(display);
    return true;
}

} // namespace

void setDesktopIdentity() {
    // Qt's xcb plugin takes WM_CLASS's class from the application name; Wayland's app_id
    // comes from the desktop file name.
    QCoreApplication::setApplicationName(QString::fromLatin1(desktopId));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopId));
}

std::optional<QByteArray> choosePlatform(const QByteArray& requested, const DisplayProbes& probes) {
    std::optional<bool> x11, wayland;
    const auto answers = [&](Kind kind) {
        std::optional<bool>& known = kind == Kind::X11 ? x11 : wayland;
        if (!known)
            known = kind == Kind::X11 ? probes.x11() : probes.wayland();
        return *known;
    };

    if (requested.trimmed().isEmpty()) {
        const bool x = answers(Kind::X11);
        const bool w = answers(Kind::Wayland);
        if (x && w)
            return QByteArray(); // both: Qt picks by the session type
        if (x)
            return QByteArray("xcb");
        if (w)
            return QByteArray("wayland");
        return std::nullopt;
    }

    const QList<QByteArray> entries = requested.split(';');
    for (const QByteArray& entry : entries)
        if (kindOf(entry) == Kind::Other)
            return requested;
    QList<QByteArray> kept;
    for (const QByteArray& entry : entries)
        if (answers(kindOf(entry)))
            kept.append(entry);
    if (kept.isEmpty())
        return std::nullopt;
    return kept.join(';');
}

bool findDisplay() {
    const std::optional<QByteArray> platform =
        choosePlatform(qgetenv("QT_QPA_PLATFORM"), {x11Answers, waylandAnswers});
    if (!platform) {
        std::fputs("كوزماط needs a desktop, and no X or Wayland display answered: run it from a "
                   "desktop session, or without one: xvfb-run -a كوزماط\n",
                   stderr);
        return false;
    }
    if (platform->isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    else
        qputenv("QT_QPA_PLATFORM", *platform);
    return true;
}

} // namespace platform
