// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QIcon;
class QWidget;

namespace look {

// The program's look, the same on every desktop: the embedded fonts (Noto Sans for Latin and
// signs, Noto Sans Arabic UI for Arabic) at 10 pixels, the Fusion style with the program's
// frames (FrameStyle) and its light palette.
// Call after the QApplication exists and before any window or message box; later calls do
// nothing.
void installLook();

// Registers the embedded fonts again, for a font configuration loaded after installLook()
// (platform::loadSystemFonts): the toolkit lists the fonts anew, the program's own among them,
// and finds its fallback fonts there. Does nothing before installLook().
void refreshFonts();

// Finishes a window built from its form: the window, its frames, labels and picture boxes that
// set no background colour of their own are filled with the button-face colour, like the
// standard controls they stand for; and the focus starts at the window's first tab stop.
void prepareWindow(QWidget* window, QWidget* firstTabStop);

// The icon of the program's windows and message boxes.
const QIcon& programIcon();

} // namespace look
