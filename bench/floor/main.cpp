// The floor: the least a Qt Widgets program does to put a window on the screen. With --text it
// shows one label with that text instead, as a reference for what drawing any text costs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const qsizetype text = args.indexOf(QStringLiteral("--text"));
    if (text > 0 && text + 1 < args.size()) {
        QLabel label(args[text + 1]);
        label.show();
        return QApplication::exec();
    }
    QWidget window;
    window.show();
    return QApplication::exec();
}
