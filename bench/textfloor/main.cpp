// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The text floor: the least a Qt Widgets program does to show Arabic text, one label with the
// welcome text in the system's default font: no fonts of its own, no style set.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("أهلا و سهلا بكم في كوزماط الإصدار الأول"));
    label.show();
    return QApplication::exec();
}
