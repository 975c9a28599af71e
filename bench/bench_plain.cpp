// SPDX-License-Identifier: MIT
// The baseline of the start-up benchmark: a plain Qt program that opens COUNT
// frameless windows with a label each. Prints "shown_ms" (since the process
// started, until every window is exposed) and "peak_pss_kib".
#include "peakmemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 101;
    QList<QWidget *> windows;
    for (int i = 0; i < count; ++i) {
        auto *window = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint);
        auto *label = new QLabel(QStringLiteral("note %1").arg(i), window);
        label->move(10, 10);
        window->setGeometry(20 + i * 7, 20 + i * 5, 200, 200);
        window->show();
        windows.append(window);
    }
    PeakMemory memory;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const bool shown = std::all_of(windows.begin(), windows.end(), [](QWidget *w) {
            return w->windowHandle() && w->windowHandle()->isExposed();
        });
        if (!shown)
            return;
        std::printf("shown_ms %.1f\npeak_pss_kib %ld\n", double(sinceLaunch.nsecsElapsed()) / 1e6,
                    memory.stop());
        QCoreApplication::quit();
    });
    timer.start(5);
    return QApplication::exec();
}
