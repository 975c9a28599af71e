// SPDX-License-Identifier: MIT
#include "core/reads/slowreads.h"

#include <QPromise>
#include <QTest>

#include <memory>

class TestSlowReads final : public QObject
{
    Q_OBJECT
private slots:
    void handsOverAReadThatIsThereLater();
    void handsOverALateReadOnlyToAReceiverStillThere();
    void aStalledReadLeavesTheNextOneNoWait();
};

void TestSlowReads::handsOverAReadThatIsThereLater()
{
    SlowReads reads;
    QObject receiver;
    int got = 0;
    bool late = false;
    const QFuture<int> ready = QtFuture::makeReadyFuture(7);
    SlowReads::deliver(ready, &receiver, [&got](int value) { got = value; });
    reads.whenLate(ready, &receiver, [&late] { late = true; });
    QCOMPARE(got, 0); // never while the caller is still in its own code
    QTRY_COMPARE(got, 7);
    QTest::qWait(200); // past the brief wait, which a ready read never runs out of
    QVERIFY(!late);
}

void TestSlowReads::handsOverALateReadOnlyToAReceiverStillThere()
{
    // A read that waits until the test lets it end, as one on a stalled share.
    QPromise<int> read;
    read.start();
    auto gone = std::make_unique<QObject>();
    QObject staying;
    int toGone = 0;
    int toStaying = 0;
    SlowReads::deliver(read.future(), gone.get(), [&toGone](int) { ++toGone; });
    SlowReads::deliver(read.future(), &staying, [&toStaying](int value) { toStaying = value; });
    gone.reset();
    read.addResult(5);
    read.finish();
    QTRY_COMPARE(toStaying, 5);
    QCOMPARE(toGone, 0);
}

void TestSlowReads::aStalledReadLeavesTheNextOneNoWait()
{
    SlowReads reads;
    QObject window;
    QPromise<int> stalled;
    stalled.start();
    int late = 0;
    reads.whenLate(stalled.future(), &window, [&late] { ++late; });
    QCOMPARE(late, 0);
    QTRY_COMPARE(late, 1);
    // The share stalls every read on it: the next window is told at once.
    QPromise<int> next;
    next.start();
    reads.whenLate(next.future(), &window, [&late] { ++late; });
    QCOMPARE(late, 2);
    // A window that went is told nothing.
    SlowReads fresh;
    auto gone = std::make_unique<QObject>();
    fresh.whenLate(next.future(), gone.get(), [&late] { ++late; });
    gone.reset();
    QTest::qWait(200);
    QCOMPARE(late, 2);
    stalled.finish();
    next.finish();
}

QTEST_GUILESS_MAIN(TestSlowReads)
#include "tst_slowreads.moc"
