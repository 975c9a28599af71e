// SPDX-License-Identifier: MIT
#include "core/rules/livepanes.h"

#include <QTest>

class TestLivePanes final : public QObject
{
    Q_OBJECT
private slots:
    void givesViewsToThePanesWorkedWith_data();
    void givesViewsToThePanesWorkedWith();
};

void TestLivePanes::givesViewsToThePanesWorkedWith_data()
{
    // Steps on three views: "u" a pane used, "e"/"l" the pointer entering or
    // leaving it, "f" the focus going into it (f0: out of every pane), "h"
    // the pane hidden. Expected: the live panes, last used first, and the
    // panes that gave up their view, in turn.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("live");
    QTest::addColumn<QString>("gaveWay");
    QTest::newRow("views go out in turn") << "u1 e2 e3"
                                          << "3 2 1"
                                          << "";
    QTest::newRow("the pane used longest ago gives way") << "u1 e2 e3 e4 e5"
                                                         << "5 4 3"
                                                         << "1 2";
    QTest::newRow("going back to a live pane takes nothing") << "e1 e2 e3 e1 e4"
                                                             << "4 1 3"
                                                             << "2";
    QTest::newRow("a focused pane keeps its view") << "f1 e2 e3 e4 e5"
                                                   << "5 4 1"
                                                   << "2 3";
    QTest::newRow("so does the pane under the pointer") << "e1 f2 f3 f4"
                                                        << "4 3 1"
                                                        << "2";
    QTest::newRow("a pane left by the pointer stays live") << "e1 l1 e2 e3"
                                                           << "3 2 1"
                                                           << "";
    QTest::newRow("then gives way like any other") << "e1 f2 l1 f3 f4"
                                                   << "4 3 2"
                                                   << "1";
    QTest::newRow("focus going out frees the pane") << "f1 f0 e2 e3 e4"
                                                    << "4 3 2"
                                                    << "1";
    QTest::newRow("a hidden pane frees its view") << "f1 e2 h1 e3 e4"
                                                  << "4 3 2"
                                                  << "";
    QTest::newRow("a pane hidden under the pointer is left") << "e1 h1 u1 u2 u3 u4"
                                                             << "4 3 2"
                                                             << "1";
}

void TestLivePanes::givesViewsToThePanesWorkedWith()
{
    QFETCH(QString, steps);
    LivePanes panes(3);
    QStringList gaveWay;
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        const int pane = step.mid(1).toInt();
        int lost = 0;
        switch (step[0].toLatin1()) {
        case 'u':
            lost = panes.use(pane);
            break;
        case 'e':
            lost = panes.pointerEntered(pane);
            break;
        case 'l':
            panes.pointerLeft(pane);
            break;
        case 'f':
            lost = panes.focused(pane);
            break;
        case 'h':
            panes.release(pane);
            break;
        }
        QVERIFY(!panes.isLive(lost));
        if (lost)
            gaveWay.append(QString::number(lost));
    }
    QStringList liveNow;
    for (int pane : panes.live())
        liveNow.append(QString::number(pane));
    QFETCH(QString, live);
    QCOMPARE(liveNow.join(QLatin1Char(' ')), live);
    QTEST(gaveWay.join(QLatin1Char(' ')), "gaveWay");
}

QTEST_APPLESS_MAIN(TestLivePanes)
#include "tst_livepanes.moc"
