#include "app/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    app::Application application;
    application.start();
    return QApplication::exec();
}
