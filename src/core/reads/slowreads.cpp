// SPDX-License-Identifier: MIT
#include "core/reads/slowreads.h"

#include <QElapsedTimer>
#include <QThread>
#include <QThreadPool>

#include <chrono>

namespace {
using namespace std::chrono_literals;
// How long the user-interface thread waits for a read before it goes on.
constexpr auto briefWait = 100ms;
// After a read ran out of time, how long reads get none.
constexpr auto stallMemory = 2s;
// Enough threads that a few stalled reads leave room for the rest.
constexpr int readThreads = 16;

QElapsedTimer &sinceLastStall()
{
    static QElapsedTimer timer;
    return timer;
}
} // namespace

QThreadPool *SlowReads::pool()
{
    // Never deleted: deleting a pool waits for its reads, and a stalled one never ends.
    static QThreadPool *const threads = [] {
        auto *made = new QThreadPool;
        made->setMaxThreadCount(readThreads);
        return made;
    }();
    return threads;
}

bool SlowReads::waitBriefly(const std::function<bool()> &finished, Work work)
{
    QElapsedTimer &stall = sinceLastStall();
    const bool stalledLately =
        stall.isValid() && std::chrono::milliseconds(stall.elapsed()) < stallMemory;
    QElapsedTimer waited;
    waited.start();
    while (!finished()) {
        if (stalledLately)
            return false;
        if (std::chrono::milliseconds(waited.elapsed()) >= briefWait) {
            if (work == Work::Read)
                stall.start();
            return false;
        }
        QThread::usleep(200);
    }
    return true;
}
