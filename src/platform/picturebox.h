// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace platform {

// The scale of the drawing that suits a device pixel ratio: 1, 2 or 3, rounding a fractional
// ratio up (1.25 → 2) so the screen never enlarges a picture; 3 beyond.
int pictureScale(qreal devicePixelRatio);

// The embedded file of a picture at a scale: ":/assets/square.jpg" at 2 is
// ":/assets/square@2x.png"; at 1, the file itself.
QString picturePath(const QString& picture, int scale);

// Finishes the window's picture boxes (labels that show one of the program's pictures): each
// shows the drawing made for its screen's pixel ratio, at the picture's own size, and again
// after a move to another screen; and a box that has the keyboard focus shows a focus frame
// just inside its border.
void preparePictureBoxes(QWidget* window);

} // namespace platform
