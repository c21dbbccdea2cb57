// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "platform/desktop.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Qt aborts when no platform can start; a pupil without a desktop gets a sentence instead.
    if (!platform::findDisplay())
        return 1;
    platform::setDesktopIdentity();
    platform::startOnOwnFonts();
    QApplication qapp(argc, argv);
    platform::leaveOpenGLUnloaded();
    app::Application application;
    return platform::run([&application] { application.start(); });
}
