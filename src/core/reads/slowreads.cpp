// SPDX-License-Identifier: MIT
#include "core/reads/slowreads.h"

#include <QThreadPool>
#include <QTimer>

namespace {
using namespace std::chrono_literals;
// How long a window waits for a read before it goes on without it.
constexpr auto briefWait = 100ms;
// After a read ran out of time, how long reads get no wait.
constexpr auto stallMemory = 2s;
// Enough threads that a few stalled reads leave room for the rest.
constexpr int readThreads = 16;
} // namespace

SlowReads::SlowReads() : m_pool(new QThreadPool)
{
    m_pool->setMaxThreadCount(readThreads);
}

SlowReads::~SlowReads()
{
    // Deleting a pool waits for its reads, and a stalled one never ends:
    // a busy pool is left to the process's end.
    m_pool->clear();
    if (!isBusy())
        delete m_pool;
}

bool SlowReads::isBusy() const
{
    return m_pool->activeThreadCount() > 0;
}

std::chrono::milliseconds SlowReads::patience() const
{
    const bool stalledLately = m_sinceLastStall.isValid() &&
                               std::chrono::milliseconds(m_sinceLastStall.elapsed()) < stallMemory;
    return stalledLately ? 0ms : briefWait;
}

void SlowReads::afterPatience(const std::function<bool()> &finished, QObject *context,
                              const std::function<void()> &late)
{
    const std::chrono::milliseconds wait = patience();
    if (wait == 0ms) {
        late();
        return;
    }
    QTimer::singleShot(wait, context, [this, finished, late] {
        if (finished())
            return;
        m_sinceLastStall.start();
        late();
    });
}
