// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The bare floor: the least a Qt Widgets program does to put a window on the screen. It draws no
// text, so it never starts the font machinery; the text floor beside it does.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return QApplication::exec();
}
