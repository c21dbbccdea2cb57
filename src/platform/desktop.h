// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QWindow;

namespace platform {

// The name the desktop knows the program by: its desktop entry, Wayland app_id and the class
// part of every X window's WM_CLASS; on Windows its AppUserModelID.
inline constexpr char desktopId[] = "org.example.Kozmat";

// Gives the program its desktop identity; call before the application object is built.
void setDesktopIdentity();

// Before the application object is built: sets the platform to a display that answers, or
// says on standard error that the program needs a desktop and returns false. On Windows there
// is always a desktop.
bool findDisplay();

// Runs `start` once the toolkit is ready, then the event loop until the program ends, and
// returns the program's exit status. On a desktop the program owns its event loop; in a browser
// the page does, and `start` runs inside it.
int run(const std::function<void()>& start);

// Ends the program with status 0: the event loop ends; in a browser, whose loop it is, the
// page says so and the program stays idle.
void quit();

// Whether the window is on the screen and drawn, so that work that would hold up its drawing may
// begin. On a desktop an exposed window has been drawn (the xcb platform paints a window while it
// handles its exposure); in a browser the page draws it at an animation frame to come. Asked
// again until it says yes.
bool drawn(QWindow* window);

// Whether a message box can wait for its answer before the code that shows it goes on, in an
// event loop of its own. In a browser it cannot (a loop inside a loop needs the whole program
// built for it, a third larger and slower): there the box is shown, and the answer comes later.
bool boxesWait();

// The width a title bar needs beside its title, for the window icon and buttons. Where the
// frame may be Qt's own (Wayland without frames from the compositor), the title is centred in
// the whole bar and clipped at the buttons: as much again on the icon's side.
int titleBarRoom();

// Once the application object is built: keeps the toolkit from loading an OpenGL stack that the
// program, which draws in software, never uses.
void leaveOpenGLUnloaded();

} // namespace platform
