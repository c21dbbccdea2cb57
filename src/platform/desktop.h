// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <functional>
#include <optional>

namespace platform {

// The name the desktop knows the program by: its desktop entry, Wayland app_id and the class
// part of every X window's WM_CLASS; on Windows its AppUserModelID.
inline constexpr char desktopId[] = "org.example.Kozmat";

// Gives the program its desktop identity; call before the application object is built.
void setDesktopIdentity();

// The probes below are of X11 and Wayland (unix/desktop.cpp); Windows has no display to probe.

// Whether an X server or a Wayland compositor answers.
struct DisplayProbes {
    std::function<bool()> x11;
    std::function<bool()> wayland;
};

// The Qt platform list to use for the requested one (QT_QPA_PLATFORM, maybe empty): only the
// entries whose display answers, an empty list for Qt's own choice, or nothing when no
// display answers at all. A request for a platform without a display (offscreen) is kept.
std::optional<QByteArray> choosePlatform(const QByteArray& requested, const DisplayProbes& probes);

// Connects to the displays the environment names, as the platform plugins would.
DisplayProbes realDisplayProbes();

// Before the application object is built: sets the platform to a display that answers, or
// says on standard error that the program needs a desktop and returns false. On Windows there
// is always a desktop.
bool findDisplay();

} // namespace platform
