// SPDX-License-Identifier: MIT
// How long the GUI thread is held at start-up when a picture and a note
// file sit on a share that stopped answering: a full note table is opened
// once as it is (the baseline) and once with the picture that every note
// shows and the middle note's file on reads that never return. Prints, for each, how
// long start-up took and the longest the event loop went unanswered from the
// start to three seconds later, in milliseconds.
// Run on an X server: bench_stall
#include "core/reads/picturereads.h"
#include "ui/desktop/desktopsetup.h"

#include "benchnotes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <future>

namespace {
struct Figures
{
    double startMs = 0;
    double longestGapMs = 0;
};

std::unique_ptr<QIODevice> openFile(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return nullptr;
    return file;
}

Figures run(bool stalled, const std::shared_future<void> &never)
{
    QTemporaryDir dir;
    if (!BenchNotes::writeNotes(dir))
        return {};
    const QString stalledPicture = dir.filePath("picture.jpg");
    const QString stalledNote = dir.filePath("050.dat");
    // The stalled picture's reads never come back; the pool that runs them is left behind.
    PictureReads reads([stalled, never, stalledPicture](const QString &path) {
        if (stalled && path == stalledPicture)
            never.wait();
        return openFile(path);
    });
    DesktopSeams desktop;
    BenchNotes::FixedChoice picker;
    Seams seams = BenchNotes::quietSeams(desktop, &picker, dir.path());
    seams.reads = &reads;
    if (stalled)
        seams.readNote = [never, stalledNote](const QString &path) {
            if (path == stalledNote)
                never.wait();
            return NoteFile::load(path);
        };
    MainWindow window(seams);
    QElapsedTimer clock;
    Figures figures;
    qint64 lastPing = 0;
    QTimer ping;
    ping.setInterval(5);
    QObject::connect(&ping, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        figures.longestGapMs = std::max(figures.longestGapMs, double(now - lastPing) / 1e6);
        lastPing = now;
    });
    ping.start();
    clock.start();
    if (!window.start())
        return {};
    figures.startMs = double(clock.nsecsElapsed()) / 1e6;
    QTest::qWait(3000);
    window.shutdown();
    return figures;
}
} // namespace

int main(int argc, char *argv[])
{
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    std::promise<void> release;
    const std::shared_future<void> never = release.get_future().share();
    for (const bool stalled : {false, true}) {
        const Figures figures = run(stalled, never);
        std::printf("%-9s start-up %7.1f ms, longest event-loop stall %7.1f ms\n",
                    stalled ? "blocked" : "baseline", figures.startMs, figures.longestGapMs);
    }
    std::fflush(stdout);
    // The blocked reads never return: the process ends without them.
    std::_Exit(0);
}
