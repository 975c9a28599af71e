// SPDX-License-Identifier: MIT
#include "platform/clock.h"
#include "platform/desktopsetup.h"
#include "platform/messagebox.h"
#include "platform/pickerbackend.h"
#include "platform/quitsignals.h"
#include "platform/seams.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QSystemTrayIcon>

int main(int argc, char *argv[])
{
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    DesktopSetup::registerFonts();
    QApplication::setQuitOnLastWindowClosed(false);

    Clock clock;
    MessageBox messageBox;
    PickerBackend pickerBackend;
    Seams seams;
    seams.folder = QCoreApplication::applicationDirPath();
    seams.clock = &clock;
    seams.messageBox = &messageBox;
    seams.pickerBackend = &pickerBackend;
    seams.trayAvailable = [] {
        return QSystemTrayIcon::isSystemTrayAvailable();
    };

    MainWindow window(seams);
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
