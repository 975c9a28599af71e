// SPDX-License-Identifier: MIT
#include "core/reads/slowreads.h"

#include <QPromise>
#include <QTest>

#include <memory>

class TestSlowReads final : public QObject
{
    Q_OBJECT
private slots:
    void handsOverAReadThatIsThere();
    void handsOverALateReadOnlyToAReceiverStillThere();
};

void TestSlowReads::handsOverAReadThatIsThere()
{
    QObject receiver;
    int got = 0;
    QVERIFY(SlowReads::deliver(QtFuture::makeReadyFuture(7), &receiver,
                               [&got](int value) { got = value; }));
    QCOMPARE(got, 7);
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
    QVERIFY(!SlowReads::deliver(read.future(), gone.get(), [&toGone](int) { ++toGone; }));
    QVERIFY(!SlowReads::deliver(read.future(), &staying,
                                [&toStaying](int value) { toStaying = value; }));
    QCOMPARE(toStaying, 0);
    gone.reset();
    read.addResult(5);
    read.finish();
    QTRY_COMPARE(toStaying, 5);
    QCOMPARE(toGone, 0);
}

QTEST_GUILESS_MAIN(TestSlowReads)
#include "tst_slowreads.moc"
