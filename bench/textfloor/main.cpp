// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The text floor: the least a Qt Widgets program does to show Arabic text, one label with the
// welcome text in the system's default font: no fonts of its own, no style set. In the browser
// Qt brings no font and the page has none to give: there the least is one font, the program's
// Arabic one as the build cuts it down.
#include <QApplication>
#include <QLabel>
#ifdef __EMSCRIPTEN__
#include <QFontDatabase>
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
#ifdef __EMSCRIPTEN__
    const int font = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/arabic.ttf"));
    QApplication::setFont(QFont(QFontDatabase::applicationFontFamilies(font).value(0)));
#endif
    QLabel label(QStringLiteral("أهلا و سهلا بكم في كوزماط الإصدار الأول"));
    label.show();
    return QApplication::exec();
}
