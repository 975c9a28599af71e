// SPDX-License-Identifier: MIT
#include "core/record/notestate.h"
#include "core/storage/filehandoff.h"
#include "core/storage/notesfolder.h"
#include "ui/desktop/desktopseams.h"
#include "ui/desktop/desktopsetup.h"
#include "ui/desktop/translation.h"
#include "ui/shell/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace {
// The picture files named on the command line, as full paths (a copy that
// runs already takes them from another working folder), then the commands.
QStringList picturesToPin(const QCoreApplication &app)
{
    const QCommandLineOption paste(QStringList{QString(FileHandoff::pasteCommand).mid(2)},
                                   QStringLiteral("Makes a note from the clipboard."));
    const QCommandLineOption gather(
        QStringList{QString(FileHandoff::gatherCommand).mid(2)},
        QStringLiteral("Gathers every note on the main window's screen."));
    const QCommandLineOption toggle(
        QStringList{QString(FileHandoff::toggleCommand).mid(2)},
        QStringLiteral("Hides every note of the running copy, or shows them again."));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pins picture notes to the desktop."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A picture to make a note for."),
                                 QStringLiteral("[FILE...]"));
    parser.addOptions({paste, gather, toggle});
    parser.process(app);
    QStringList pictures;
    for (const QString &argument : parser.positionalArguments()) {
        const QUrl url(argument);
        const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
        pictures.append(QFileInfo(path).absoluteFilePath());
    }
    if (parser.isSet(paste))
        pictures.append(FileHandoff::pasteCommand);
    if (parser.isSet(gather))
        pictures.append(FileHandoff::gatherCommand);
    if (parser.isSet(toggle))
        pictures.append(FileHandoff::toggleCommand);
    return pictures;
}
// Whether the command line asks only for a text (the options, the version),
// which is answered without a display.
bool asksOnlyForText(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "--")
            break;
        if (argument == "-h" || argument == "--help" || argument == "--help-all" ||
            argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}

// The window whose notes are written when the process ends from inside the
// toolkit: a lost X connection ends it with exit(), past the event loop.
MainWindow *endingWindow = nullptr;

void finishAtExit()
{
    if (endingWindow)
        endingWindow->shutdown();
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLNOTE_VERSION));
    if (asksOnlyForText(argc, argv)) {
        const QCoreApplication text(argc, argv);
        picturesToPin(text); // prints the text and ends the program
    }
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    Translation::install(app, Translation::userLocale());
    const QStringList pictures = picturesToPin(app);
    DesktopSetup::registerFonts(NoteState::defaultFontName());
    QApplication::setQuitOnLastWindowClosed(false);

    DesktopSeams desktop;
    const QString dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QLatin1String("/quillnote");
    MainWindow window(
        desktop.forFolder(NotesFolder::choose(QCoreApplication::applicationDirPath(), dataFolder)));
    if (!window.start(pictures))
        return 0;
    QObject::connect(&window, &MainWindow::finished, &app, &QCoreApplication::quit);
    endingWindow = &window;
    std::atexit(finishAtExit);
    const int status = QApplication::exec();
    endingWindow = nullptr;
    // Closed notes are deleted before their shared browser profile goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Every note is written and the folder's lock and socket are given up by
    // now: a picture still being decoded is not waited for (a huge one takes
    // seconds) but goes with the process.
    if (desktop.isReading()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
