// SPDX-License-Identifier: MIT
#include "notes/notestate.h"
#include "platform/desktopseams.h"
#include "platform/desktopsetup.h"
#include "platform/notesfolder.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    DesktopSetup::registerFonts(NoteState::defaultFontName());
    QApplication::setQuitOnLastWindowClosed(false);

    DesktopSeams desktop;
    const QString dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QLatin1String("/quillnote");
    MainWindow window(
        desktop.forFolder(NotesFolder::choose(QCoreApplication::applicationDirPath(), dataFolder)));
    if (!window.start())
        return 0;
    QObject::connect(&window, &MainWindow::finished, &app, &QCoreApplication::quit);
    const int status = QApplication::exec();
    // Closed notes are deleted before their shared browser profile goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
