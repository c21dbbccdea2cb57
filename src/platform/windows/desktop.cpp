// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop.h"

#include <QCoreApplication>
#include <shobjidl.h>
#include <windows.h>

namespace platform {

void setDesktopIdentity() {
    QCoreApplication::setApplicationName(QString::fromLatin1(desktopId));
    // The taskbar groups the program's windows, and pins it, under this name rather than under
    // the path of the executable that happens to run.
    SetCurrentProcessExplicitAppUserModelID(L"org.example.Kozmat");
}

bool findDisplay() {
    // A Windows session always has its desktop, and Qt's windows plugin is the only one linked.
    return true;
}

int titleBarRoom() {
    return 96;
}

void leaveOpenGLUnloaded() {
    // Qt's windows plugin opens OpenGL only for a window that asks for it.
}

} // namespace platform
