// SPDX-License-Identifier: MIT
// Memory under use: 101 notes, then rounds of 1,000 drags and 100 menu
// commands; prints the resident memory after each round. Growth after the
// first round would be a leak. Run on an X server: bench_soak [ROUNDS]
#include "ui/desktop/desktopsetup.h"

#include "benchnotes.h"
#include "procmemory.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    DesktopSetup::prepare();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? atoi(argv[1]) : 5;
    QTemporaryDir dir;
    if (!BenchNotes::writeNotes(dir))
        return 1;
    DesktopSeams desktop;
    BenchNotes::FixedChoice picker;
    MainWindow window(BenchNotes::quietSeams(desktop, &picker, dir.path()));
    if (!window.start())
        return 1;
    QTest::qWait(500);
    std::printf("after start: %ld KiB resident\n", procMemoryKiB("/proc/self/status", "VmRSS:"));
    for (int round = 1; round <= rounds; ++round) {
        for (int i = 0; i < 1000; ++i)
            BenchNotes::drag(window, i);
        for (int i = 0; i < 100; ++i)
            BenchNotes::runCommand(window, i);
        QTest::qWait(100);
        std::printf("after round %d (1000 drags, 100 commands): %ld KiB resident\n", round,
                    procMemoryKiB("/proc/self/status", "VmRSS:"));
        std::fflush(stdout);
    }
    window.shutdown();
    return 0;
}
