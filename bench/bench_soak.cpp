// SPDX-License-Identifier: MIT
// Memory under use: 101 notes, then rounds of 1,000 drags and 100 menu
// commands; prints the resident memory after each round. Growth after the
// first round would be a leak. Run on an X server: bench_soak [ROUNDS]
#include "notes/notemenu.h"
#include "notes/notestate.h"
#include "notes/notewindow.h"
#include "platform/desktopseams.h"
#include "platform/desktopsetup.h"
#include "shell/mainwindow.h"

#include "procmemory.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// Confirms every picker with a fixed choice, so that no dialog waits for a person.
class FixedChoice final : public PickerBackend
{
public:
    void chooseFont(QWidget *, PickerSettings &settings) override
    {
        settings.fontName = QStringLiteral("IPAGothic");
        settings.fontSize = 11;
    }
    void chooseColour(QWidget *, PickerSettings &settings) override
    {
        settings.colour = (settings.colour + 0x010203) & 0xFFFFFF;
    }
};

void dragAll(MainWindow &window, int moves)
{
    for (int i = 0; i < moves; ++i) {
        QWidget *surface =
            window.note(i % MainWindow::noteTableSize)->findChild<QWidget *>("surface");
        QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(surface, QPoint(20 + (i % 3) - 1, 21));
        QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(20 + (i % 3) - 1, 21));
    }
}

void runCommands(MainWindow &window, int commands)
{
    for (int i = 0; i < commands; ++i) {
        NoteMenu *menu = window.note(i % MainWindow::noteTableSize)->menu();
        QAction *actions[] = {menu->fontAction, menu->textColourAction,
                              menu->backgroundColourAction, menu->cancelBackgroundAction,
                              menu->webPaneAction};
        actions[i % 5]->trigger();
    }
}
} // namespace

int main(int argc, char *argv[])
{
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? atoi(argv[1]) : 5;
    QTemporaryDir dir;
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    picture.save(dir.filePath("picture.jpg"));
    QImage tile(32, 32, QImage::Format_RGB32);
    tile.fill(Qt::yellow);
    tile.save(dir.filePath("tile.png"));
    for (int i = 0; i < MainWindow::noteTableSize; ++i) {
        NoteState state;
        state.picturePath = dir.filePath("picture.jpg");
        state.left = float(300 + i * 60);
        state.top = 300;
        state.width = 3000;
        state.height = 3000;
        state.memo = QStringLiteral("note %1").arg(i);
        state.backgroundPath = dir.filePath("tile.png");
        QFile file(dir.filePath(QStringLiteral("%1.dat").arg(i, 3, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(state.toRecord().toBytes()) < 0)
            return 1;
    }
    DesktopSeams desktop;
    FixedChoice picker;
    Seams seams = desktop.forFolder(dir.path());
    seams.pickerBackend = &picker;
    seams.trayAvailable = [] {
        return false;
    };
    seams.liveWebPanes = false;
    MainWindow window(seams);
    if (!window.start())
        return 1;
    QTest::qWait(500);
    std::printf("after start: %ld KiB resident\n", procMemoryKiB("/proc/self/status", "VmRSS:"));
    for (int round = 1; round <= rounds; ++round) {
        dragAll(window, 1000);
        runCommands(window, 100);
        QTest::qWait(100);
        std::printf("after round %d (1000 drags, 100 commands): %ld KiB resident\n", round,
                    procMemoryKiB("/proc/self/status", "VmRSS:"));
        std::fflush(stdout);
    }
    window.shutdown();
    return 0;
}
