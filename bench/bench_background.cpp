// SPDX-License-Identifier: MIT
// Memory of 12 notes with a camera photograph (6000 x 4000, 24 MP) as their
// background picture: without a background (the baseline), all 12 sharing
// one file, and each with a copy of its own (nothing to share). Each case
// runs in a process of its own; each prints its PSS in MiB, peak and once
// the notes have settled, and its ratio to the baseline's.
// Run on an X server: bench_background
#include "ui/desktop/desktopsetup.h"

#include "benchnotes.h"
#include "peakmemory.h"
#include "procmemory.h"

#include <QApplication>
#include <QPainter>
#include <QProcess>

#include <cstdio>

namespace {
constexpr int noteCount = 12;

bool writePhoto(const QString &path)
{
    QImage photo(6000, 4000, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient gradient(0, 0, 6000, 4000);
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::yellow);
    painter.fillRect(photo.rect(), gradient);
    painter.end();
    return photo.save(path, "JPG", 90);
}

// Writes the notes of @p kind into @p dir: "none", "shared" or "copies".
bool writeNotes(const QTemporaryDir &dir, const QString &kind)
{
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    if (kind != QLatin1String("none") && !writePhoto(photo))
        return false;
    for (int i = 0; i < noteCount; ++i) {
        NoteState state;
        state.picturePath = dir.filePath(QStringLiteral("none.png"));
        state.left = float(300 + i * 900);
        state.top = 300;
        state.width = 3000;
        state.height = 3000;
        if (kind == QLatin1String("shared"))
            state.backgroundPath = photo;
        if (kind == QLatin1String("copies")) {
            state.backgroundPath = dir.filePath(QStringLiteral("photo-%1.jpg").arg(i));
            if (!QFile::copy(photo, state.backgroundPath))
                return false;
        }
        QFile file(dir.filePath(QStringLiteral("%1.dat").arg(i, 2, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(state.toRecord().toBytes()) < 0)
            return false;
    }
    return true;
}

int runCase(const QString &kind)
{
    QTemporaryDir dir;
    if (!writeNotes(dir, kind))
        return 1;
    DesktopSeams desktop;
    BenchNotes::FixedChoice picker;
    MainWindow window(BenchNotes::quietSeams(desktop, &picker, dir.path()));
    PeakMemory peak;
    if (!window.start())
        return 1;
    QTest::qWait(4000);
    const long settled = pssKiB();
    std::printf("%ld %ld\n", peak.stop() / 1024, settled / 1024);
    window.shutdown();
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    if (argc > 1)
        return runCase(QString::fromLocal8Bit(argv[1]));
    double baseline = 0;
    for (const char *kind : {"none", "shared", "copies"}) {
        QProcess run;
        run.start(QCoreApplication::applicationFilePath(), {QLatin1String(kind)});
        if (!run.waitForFinished(120000) || run.exitCode() != 0)
            return 1;
        const QList<QByteArray> figures = run.readAllStandardOutput().trimmed().split(' ');
        const double settled = figures.value(1).toDouble();
        if (baseline == 0)
            baseline = settled;
        std::printf("%-7s peak %6.0f MiB, settled %6.0f MiB PSS (%.2f x no background)\n", kind,
                    figures.value(0).toDouble(), settled, settled / baseline);
    }
    return 0;
}
