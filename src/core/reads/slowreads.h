// SPDX-License-Identifier: MIT
#pragma once

#include <QFuture>
#include <QFutureWatcher>

#include <functional>

class QThreadPool;

/**
 * Reads of files that may never come back: a picture or a note on a network
 * share that stopped answering. They run on threads of their own, which
 * the program never waits for at its exit, and the user-interface thread
 * waits for each only briefly before it goes on without it.
 */
namespace SlowReads {
/** The threads that such reads run on; never waited for. */
QThreadPool *pool();

/** What is waited for: a read, quick unless its device stalls, or a decode, which may take long. */
enum class Work
{
    Read,
    Decode
};

/**
 * Waits briefly for @p finished to hold: up to a tenth of a second, and not
 * at all for a while after a read has run out of that time (a stalled share
 * stalls every read on it; a decode that takes long says nothing of its
 * device). True when it holds.
 */
bool waitBriefly(const std::function<bool()> &finished, Work work);

/**
 * Hands the result of @p future to @p done: before returning when it is
 * there after a brief wait (true then), else once it comes, never after
 * @p context has gone.
 */
template <typename T, typename Done>
bool deliver(const QFuture<T> &future, QObject *context, Done done, Work work = Work::Read)
{
    if (waitBriefly([future] { return future.isFinished(); }, work)) {
        done(future.result());
        return true;
    }
    auto *watcher = new QFutureWatcher<T>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done] {
        watcher->deleteLater();
        done(watcher->result());
    });
    watcher->setFuture(future);
    return false;
}
} // namespace SlowReads
