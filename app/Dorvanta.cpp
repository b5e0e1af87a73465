// dorvanta: the selection wizard's program. Creates the main window and runs
// the event loop until the window closes.
#include "app/QuitAfterShow.h"
#include "ui/desktop/ApplicationTitle.h"
#include "ui/mainwindow/frmDorvanta.h"
#include "ui/widgets/ProgramIcon.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The name, not the display name: a display name would be appended to
    // every window caption by some desktops.
    QApplication::setApplicationName(dorvanta::ApplicationTitle());
    QApplication::setWindowIcon(dorvanta::ProgramIcon());

    dorvanta::TformDorvanta form(QCoreApplication::applicationDirPath());
    QObject::connect(&form, &QDialog::finished, &application, &QCoreApplication::quit);
    dorvanta::QuitAfterFirstPaint::InstallIfRequested(form);
    form.show();
    return QApplication::exec();
}
