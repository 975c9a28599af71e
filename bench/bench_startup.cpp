// SPDX-License-Identifier: MIT
// Start-up of many notes (compared by run_startup.sh with bench_plain), one process per run:
//   bench_startup quillnote FOLDER   the program's main window opening FOLDER's notes
//   bench_startup decode FOLDER      decoding FOLDER's pictures at 1/8 scale on every core
//   bench_startup tile               one paint of a 3000 × 3000 twips note tiled with 1 × 1 pixels
// Each prints "name value" lines: milliseconds since the process started and
// the peak proportional set size in KiB.
#include "core/reads/pictureloader.h"
#include "core/record/notestate.h"
#include "ui/desktop/desktopseams.h"
#include "ui/desktop/desktopsetup.h"
#include "ui/note/notesurface.h"
#include "ui/note/notewindow.h"
#include "ui/note/pictureview.h"
#include "ui/shell/mainwindow.h"

#include "peakmemory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <QtConcurrent/QtConcurrentMap>

#include <cstdio>
#include <functional>

namespace {
QElapsedTimer sinceLaunch;

void report(const char *name, double value)
{
    std::printf("%s %.1f\n", name, value);
    std::fflush(stdout);
}

// Polls @p done until it holds, then reports the time under @p name.
void whenDone(const char *name, std::function<bool()> done, std::function<void()> then)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (!done())
            return;
        timer->stop();
        timer->deleteLater();
        report(name, double(sinceLaunch.nsecsElapsed()) / 1e6);
        then();
    });
    timer->start(5);
}

bool allExposed(const QList<QWidget *> &windows)
{
    return std::all_of(windows.begin(), windows.end(), [](QWidget *w) {
        return w->windowHandle() && w->windowHandle()->isExposed();
    });
}

int runQuillnote(const QString &folder)
{
    DesktopSeams desktop;
    PeakMemory memory;
    MainWindow window(desktop.forFolder(folder));
    if (!window.start())
        return 1;
    report("started_ms", double(sinceLaunch.nsecsElapsed()) / 1e6);
    QList<QWidget *> notes;
    QList<PictureView *> pictures;
    for (int i = 0; i < MainWindow::noteTableSize && window.note(i); ++i) {
        notes.append(window.note(i));
        pictures.append(window.note(i)->findChild<PictureView *>());
    }
    whenDone(
        "shown_ms", [=] { return allExposed(notes); },
        [=, &memory, &window] {
            whenDone(
                "painted_ms",
                [=] {
                    return std::all_of(pictures.begin(), pictures.end(), [](PictureView *p) {
                        return !p->hasPicture() || !p->pixels().isNull();
                    });
                },
                [&memory, &window] {
                    report("peak_pss_kib", double(memory.stop()));
                    window.shutdown();
                    QCoreApplication::quit();
                });
        });
    return QApplication::exec();
}

int runDecode(const QString &folder)
{
    QStringList paths;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files))
        paths.append(QDir(folder).filePath(name));
    QElapsedTimer timer;
    timer.start();
    const PictureLoader loader;
    QtConcurrent::blockingMap(paths, [&loader](const QString &path) {
        const QSize natural = loader.naturalSize(path).value_or(QSize(8, 8));
        loader.decode(path, natural / 8);
    });
    report("decode_ms", double(timer.nsecsElapsed()) / 1e6);
    return 0;
}

int runTile()
{
    NoteSurface surface;
    surface.resize(192, 192); // the inner area of a 3000 × 3000 twips note
    QPixmap pixel(1, 1);
    pixel.fill(Qt::yellow);
    surface.addTiles(std::make_shared<const QPixmap>(pixel), pixel.size(), 2001, 2001);
    QImage target(surface.size(), QImage::Format_ARGB32_Premultiplied);
    constexpr int rounds = 200;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        surface.render(&target);
    report("tile_paint_ms", double(timer.nsecsElapsed()) / 1e6 / rounds);
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    sinceLaunch.start();
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    DesktopSetup::registerFonts(NoteState::defaultFontName());
    QApplication::setQuitOnLastWindowClosed(false);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString argument = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (mode == QLatin1String("quillnote"))
        return runQuillnote(argument);
    if (mode == QLatin1String("decode"))
        return runDecode(argument);
    if (mode == QLatin1String("tile"))
        return runTile();
    std::fprintf(stderr, "usage: bench_startup quillnote FOLDER | decode FOLDER | tile\n");
    return 2;
}
