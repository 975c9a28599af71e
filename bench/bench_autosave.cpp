// SPDX-License-Identifier: MIT
// What writing notes on every completed change costs: 101 notes dragged,
// typed into and restyled by a scripted user, once with notes written only
// when they close and once with every change written; then an idle spell,
// which must write nothing. Prints the note files written per second and
// the program's processor time for each, and their ratio.
// Run on an X server: bench_autosave [SECONDS] [IDLE_SECONDS]
#include "ui/desktop/desktopsetup.h"
#include "ui/note/memoedit.h"
#include "ui/note/memolabel.h"

#include "benchnotes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>

#include <cstdio>

#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Counts the note files finished in a folder: closed after writing, or renamed into place.
class WriteCounter final
{
public:
    explicit WriteCounter(const QString &folder)
        : m_fd(inotify_init1(IN_NONBLOCK)), m_notifier(m_fd, QSocketNotifier::Read)
    {
        inotify_add_watch(m_fd, QFile::encodeName(folder).constData(),
                          IN_CLOSE_WRITE | IN_MOVED_TO);
        QObject::connect(&m_notifier, &QSocketNotifier::activated, [this] { drain(); });
    }
    ~WriteCounter() { ::close(m_fd); }
    long take()
    {
        drain();
        const long counted = m_count;
        m_count = 0;
        return counted;
    }

private:
    void drain()
    {
        alignas(inotify_event) char buffer[16384];
        ssize_t got;
        while ((got = ::read(m_fd, buffer, sizeof buffer)) > 0)
            for (char *at = buffer; at < buffer + got;) {
                const auto *event = reinterpret_cast<inotify_event *>(at);
                if (event->len && QByteArray(event->name).endsWith(".dat"))
                    ++m_count;
                at += sizeof(inotify_event) + event->len;
            }
    }

    int m_fd;
    QSocketNotifier m_notifier;
    long m_count = 0;
};

// One step of the scripted user, every 50 ms: a drag; every 10th step
// types into a memo and ends the edit; every 40th runs a menu command.
void userStep(MainWindow &window, int step)
{
    BenchNotes::drag(window, step);
    if (step % 10 == 0) {
        NoteWindow *note = window.note((step / 10) % MainWindow::noteTableSize);
        QTest::mouseClick(note->findChild<MemoLabel *>("memoLabel"), Qt::LeftButton);
        QTest::keyClicks(note->memoEdit(), QStringLiteral(" %1").arg(step));
        BenchNotes::drag(window, (step / 10) % MainWindow::noteTableSize);
    }
    if (step % 40 == 0)
        BenchNotes::runCommand(window, step / 40);
}

struct Figures
{
    double writesPerSecond = 0;
    double cpu = 0;
    long idleWrites = 0;
};

Figures run(bool writeOnChange, int seconds, int idleSeconds)
{
    QTemporaryDir dir;
    if (!BenchNotes::writeNotes(dir))
        return {};
    DesktopSeams desktop;
    BenchNotes::FixedChoice picker;
    Seams seams = BenchNotes::quietSeams(desktop, &picker, dir.path());
    seams.writeOnChange = writeOnChange;
    MainWindow window(seams);
    if (!window.start())
        return {};
    QTest::qWait(1000);
    WriteCounter writes(dir.path());
    Figures figures;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    for (int step = 0; clock.elapsed() < seconds * 1000; ++step) {
        userStep(window, step);
        QTest::qWait(50);
    }
    QTest::qWait(1500); // the last changes reach the disk
    figures.cpu = cpuSeconds() - cpuBefore;
    figures.writesPerSecond = double(writes.take()) / seconds;
    QTest::qWait(idleSeconds * 1000);
    figures.idleWrites = writes.take();
    window.shutdown();
    return figures;
}
} // namespace

int main(int argc, char *argv[])
{
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? atoi(argv[1]) : 60;
    const int idleSeconds = argc > 2 ? atoi(argv[2]) : 60;
    const Figures atClose = run(false, seconds, 0);
    const Figures onChange = run(true, seconds, idleSeconds);
    std::printf("written at close only: %.1f writes/s, %.2f s processor time in %d s\n",
                atClose.writesPerSecond, atClose.cpu, seconds);
    std::printf("written on each change: %.1f writes/s, %.2f s processor time in %d s\n",
                onChange.writesPerSecond, onChange.cpu, seconds);
    std::printf("processor time ratio: %.2f\n", onChange.cpu / atClose.cpu);
    std::printf("idle for %d s: %ld writes\n", idleSeconds, onChange.idleWrites);
    return onChange.idleWrites == 0 ? 0 : 1;
}
