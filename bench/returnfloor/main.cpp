// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The Return floor: the least a Qt Widgets program does to open a window on Return. The text
// floor's label; Return closes it and shows a second label of the start window's size, built
// beforehand as the program builds its start window while the welcome box waits.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {

class FirstWindow : public QLabel {
public:
    FirstWindow(const QString& text, QWidget* next) : QLabel(text), next_(next) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Return)
            return QLabel::keyPressEvent(event);
        close();
        next_->show();
    }

private:
    QWidget* next_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString text = QStringLiteral("أهلا و سهلا بكم في كوزماط الإصدار الأول");
    QLabel next(text);
    next.resize(533, 574);
    FirstWindow first(text, &next);
    first.show();
    return QApplication::exec();
}
