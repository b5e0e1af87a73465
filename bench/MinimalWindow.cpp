// The start benchmark's yardstick: an empty Qt Widgets window of the main
// window's size, started and ended the way the dorvanta program is when
// DORVANTA_QUIT_AFTER_SHOW=1 (see docs/performance.md).
#include "app/QuitAfterShow.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(691, 389);
    dorvanta::QuitAfterFirstPaint::InstallIfRequested(window);
    window.show();
    return QApplication::exec();
}
