#include <QApplication>

#include "app/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Program::describeApplication();
    Program program;
    program.start();
    return QApplication::exec();
}
