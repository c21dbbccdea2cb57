// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop.h"

#include "platform/unix/displays.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QOpenGLContext>
#include <QVersionNumber>
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

int titleBarRoom() {
    // Qt's frame keeps 77 pixels right of the title for its three buttons.
    return QGuiApplication::platformName().startsWith(u"wayland") ? 2 * 77 : 96;
}

void leaveOpenGLUnloaded() {
#ifdef KOZMAT_PLUGINS
    // Qt 6.4's Wayland client would load EGL and Mesa's driver with the first window, only to
    // ask whether Qt may draw window frames (unix/wayland/softwarebuffers.cpp): our own buffer
    // integration answers instead. A user's own choice of integration stands.
    static constexpr char choice[] = "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION";
    const QVersionNumber qt = QLibraryInfo::version();
    if (QGuiApplication::platformName() != u"wayland" || qEnvironmentVariableIsSet(choice) ||
        qt.majorVersion() != QT_VERSION_MAJOR || qt.minorVersion() != QT_VERSION_MINOR)
        return;
    const QString plugins =
        QCoreApplication::applicationDirPath() + QStringLiteral("/" KOZMAT_PLUGINS);
    // Named but missing, the integration would cost the frames and print warnings.
    if (!QFileInfo::exists(
            plugins +
            QStringLiteral("/wayland-graphics-integration-client/" KOZMAT_WAYLAND_PLUGIN)))
        return;
    QCoreApplication::addLibraryPath(plugins);
    qputenv(choice, "kozmat-shm");
    // Qt reads the choice when the integration is first used; this use makes that now, so that
    // the variable is gone again before the program could start anything that would inherit it.
    QOpenGLContext::supportsThreadedOpenGL();
    qunsetenv(choice);
#endif
}

} // namespace platform
