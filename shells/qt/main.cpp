#include <QApplication>

#include "app/app.h"
#include "shells/qt/main_window_qt.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    typovel::qt::QtDesktop desktop;
    return typovel::RunProgram(desktop);
}
