// SPDX-License-Identifier: MIT
#pragma once

#include <QFuture>

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

/** What is waited for: a read that is quick unless its device stalls, or a decode that may take
 * long. */
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

template <typename T> bool finishedSoon(const QFuture<T> &future, Work work = Work::Read)
{
    return waitBriefly([future] { return future.isFinished(); }, work);
}
} // namespace SlowReads
