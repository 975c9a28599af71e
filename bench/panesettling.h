// SPDX-License-Identifier: MIT
#pragma once

#include "procmemory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMutex>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>

#include <unistd.h>

/** Steps that the web pane benchmarks share: where windows go, and when a program has settled. */
namespace PaneSettling {

/** How many windows a run shows, each with its pane. */
constexpr int windows = 101;

/** The top-left corner of window @p index in pixels: a grid of 200-pixel windows, then again over
 * it. */
inline QPoint place(int index)
{
    return QPoint((index % 6) * 210, (index / 6 % 5) * 205);
}

/** The proportional set size of this process and every process it started, in KiB, and their
 * number. */
inline std::pair<long, int> treePssKiB()
{
    QHash<int, int> parents;
    for (const QString &name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(name));
        if (name.toInt() <= 0 || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        // pid (command) state ppid ...: the command may hold spaces and brackets.
        const QList<QByteArray> after = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (after.size() > 1)
            parents.insert(name.toInt(), after[1].toInt());
    }
    QList<int> tree{int(::getpid())};
    for (int i = 0; i < tree.size(); ++i)
        for (auto it = parents.cbegin(); it != parents.cend(); ++it)
            if (it.value() == tree[i])
                tree.append(it.key());
    long total = 0;
    for (int pid : std::as_const(tree))
        total += procMemoryKiB(QStringLiteral("/proc/%1/smaps_rollup").arg(pid).toLatin1(), "Pss:");
    return {total, int(tree.size())};
}

struct Sample
{
    qint64 ms;
    long pssKiB;
    int processes;
};

/**
 * Samples the memory of the program's processes every 250 ms on a thread of
 * its own. The program has settled at the first sample from which three
 * seconds of samples stay within 2 % of each other.
 */
class Settling
{
public:
    explicit Settling(const QElapsedTimer &sinceLaunch)
        : m_thread([this, sinceLaunch] {
              while (!m_stop) {
                  const auto [pss, processes] = treePssKiB();
                  {
                      QMutexLocker lock(&m_mutex);
                      m_samples.append({sinceLaunch.elapsed(), pss, processes});
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(250));
              }
          })
    {
    }
    ~Settling()
    {
        m_stop = true;
        m_thread.join();
    }

    /** The sample the program settled at, from @p fromMs on; ms is -1 while it has not. */
    Sample settled(qint64 fromMs) const
    {
        QMutexLocker lock(&m_mutex);
        for (qsizetype i = 0; i < m_samples.size(); ++i) {
            if (m_samples[i].ms < fromMs)
                continue;
            long low = m_samples[i].pssKiB, high = low;
            for (qsizetype j = i; j < m_samples.size(); ++j) {
                low = std::min(low, m_samples[j].pssKiB);
                high = std::max(high, m_samples[j].pssKiB);
                if (high - low > high / 50)
                    break;
                if (m_samples[j].ms - m_samples[i].ms >= 3000)
                    return m_samples[i];
            }
        }
        return {-1, 0, 0};
    }

private:
    mutable QMutex m_mutex;
    QList<Sample> m_samples;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};

/**
 * Prints "shown_ms" once every window of @p shown is on the screen, then
 * "settle_ms", "pss_mib" and "processes" once the program has settled (at
 * most 60 s), and calls @p then.
 */
inline void reportWhenSettled(const QElapsedTimer &sinceLaunch,
                              std::function<QList<QWidget *>()> shown, std::function<void()> then)
{
    auto *settling = new Settling(sinceLaunch);
    auto *timer = new QTimer(qApp);
    auto shownMs = std::make_shared<qint64>(-1);
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (*shownMs < 0) {
            const QList<QWidget *> windows = shown();
            if (windows.size() < PaneSettling::windows ||
                !std::all_of(windows.begin(), windows.end(), [](QWidget *window) {
                    return window->windowHandle() && window->windowHandle()->isExposed();
                }))
                return;
            *shownMs = sinceLaunch.elapsed();
            std::printf("shown_ms %lld\n", *shownMs);
        }
        const Sample settled = settling->settled(*shownMs);
        if (settled.ms < 0 && sinceLaunch.elapsed() < 60000)
            return;
        std::printf("settle_ms %lld\npss_mib %.0f\nprocesses %d\n", settled.ms,
                    double(settled.pssKiB) / 1024, settled.processes);
        std::fflush(stdout);
        timer->stop();
        delete settling;
        then();
    });
    timer->start(5);
}
} // namespace PaneSettling
