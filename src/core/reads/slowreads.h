// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QFuture>
#include <QFutureWatcher>
#include <QPointer>

#include <chrono>
#include <functional>

class QThreadPool;

/**
 * Reads of files that may never come back: a picture or a note on a network
 * share that stopped answering. They run on threads of their own, which
 * the program never waits for, and their results come to the
 * user-interface thread later, never while the caller waits. A window that
 * would rather show with a read's result waits for it only briefly: not at
 * all for a while after a read has run out of that time (a stalled share
 * stalls every read on it).
 */
class SlowReads final
{
public:
    SlowReads();
    /** Reads still running are let go, not waited for. */
    ~SlowReads();
    SlowReads(const SlowReads &) = delete;
    SlowReads &operator=(const SlowReads &) = delete;

    /** The threads that such reads run on. */
    QThreadPool *pool() const { return m_pool; }
    /** Whether a read is running now. */
    bool isBusy() const;
    /**
     * How long a window waits for a read before it shows without it:
     * nothing for a while after a read ran out of that time.
     */
    std::chrono::milliseconds patience() const;

    /**
     * Hands the result of @p future to @p done on @p context's thread once
     * it has come: always after this returns, never after @p context has gone.
     */
    template <typename T, typename Done>
    static void deliver(const QFuture<T> &future, QObject *context, Done done)
    {
        auto *watcher = new QFutureWatcher<T>(context);
        QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done] {
            watcher->deleteLater();
            done(watcher->result());
        });
        watcher->setFuture(future);
    }

    /**
     * Calls @p late when @p future has not finished within the brief wait a
     * window gives a read (before returning when none is left, as after a
     * stall), never after @p context has gone. A read that ran out of time
     * is remembered as a stall.
     */
    template <typename T>
    void whenLate(const QFuture<T> &future, QObject *context, const std::function<void()> &late)
    {
        afterPatience([future] { return future.isFinished(); }, context, late);
    }

private:
    void afterPatience(const std::function<bool()> &finished, QObject *context,
                       const std::function<void()> &late);

    QThreadPool *m_pool;
    QElapsedTimer m_sinceLastStall;
};
