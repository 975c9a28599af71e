// SPDX-License-Identifier: MIT
#include "platform/desktopseams.h"
#include "platform/desktopsetup.h"
#include "platform/quitsignals.h"
#include "shell/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    DesktopSetup::registerFonts();
    QApplication::setQuitOnLastWindowClosed(false);

    DesktopSeams desktop;
    MainWindow window(desktop.forFolder(QCoreApplication::applicationDirPath()));
    if (!window.start())
        return 0;
    // A signal saves every note, as closing the window does.
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &window, &MainWindow::shutdown);
    QObject::connect(&window, &MainWindow::finished, &app, &QCoreApplication::quit);
    const int status = QApplication::exec();
    // Closed notes are deleted before their shared browser profile goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
