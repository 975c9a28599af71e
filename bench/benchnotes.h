// SPDX-License-Identifier: MIT
#pragma once

#include "core/record/notestate.h"
#include "ui/desktop/desktopseams.h"
#include "ui/desktop/pickerbackend.h"
#include "ui/note/notemenu.h"
#include "ui/note/notewindow.h"
#include "ui/shell/mainwindow.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

/** Steps that the benchmarks of a running program share. */
namespace BenchNotes {

/** Confirms every picker with a fixed choice, so that no dialog waits for a person. */
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

/** The desktop's seams for @p folder with @p picker, no tray and plain web panes. */
inline Seams quietSeams(DesktopSeams &desktop, PickerBackend *picker, const QString &folder)
{
    Seams seams = desktop.forFolder(folder);
    seams.pickerBackend = picker;
    seams.trayAvailable = [] {
        return false;
    };
    seams.webPanes = nullptr;
    return seams;
}

/** A full note table's worth of notes in @p dir, each with a picture and a tiled background. */
inline bool writeNotes(const QTemporaryDir &dir)
{
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QImage tile(32, 32, QImage::Format_RGB32);
    tile.fill(Qt::yellow);
    if (!picture.save(dir.filePath("picture.jpg")) || !tile.save(dir.filePath("tile.png")))
        return false;
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
            return false;
    }
    return true;
}

/** Drags note @p index of @p window by a pixel, as a user's press, move and release do. */
inline void drag(MainWindow &window, int index)
{
    QWidget *surface =
        window.note(index % MainWindow::noteTableSize)->findChild<QWidget *>("surface");
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(surface, QPoint(20 + (index % 3) - 1, 21));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(20 + (index % 3) - 1, 21));
}

/** Runs menu command @p index of the five that change a note, on note @p index. */
inline void runCommand(MainWindow &window, int index)
{
    NoteMenu *menu = window.note(index % MainWindow::noteTableSize)->menu();
    QAction *actions[] = {menu->fontAction, menu->textColourAction, menu->backgroundColourAction,
                          menu->cancelBackgroundAction, menu->webPaneAction};
    actions[index % 5]->trigger();
}

} // namespace BenchNotes
