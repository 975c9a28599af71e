// SPDX-License-Identifier: MIT
#include "core/rules/noteplacement.h"

#include <QTest>

class TestNotePlacement final : public QObject
{
    Q_OBJECT
private slots:
    void fileKeepsWhatTheUserLeft_data();
    void fileKeepsWhatTheUserLeft();
};

void TestNotePlacement::fileKeepsWhatTheUserLeft_data()
{
    // A note loaded from a file at "file" and shown at "shown" (twips), then
    // steps: "mX,Y" the user moves it there (a drag, gathering), "rW,H" the
    // user resizes it, "pX,Y" the program puts it there (into reach), "wX,Y"
    // the window system puts it there without a word. Expected: what the
    // file gets with the note where the steps left it.
    QTest::addColumn<QRectF>("file");
    QTest::addColumn<QRectF>("shown");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QRectF>("expected");
    const QRectF offScreen(75000, 1500, 3000, 3000);
    const QRectF onScreen(1500, 1500, 3000, 3000);
    QTest::newRow("untouched") << onScreen << onScreen << "" << onScreen;
    QTest::newRow("stored off-screen, brought into reach")
        << offScreen << offScreen << "p600,1500" << offScreen;
    QTest::newRow("brought into reach twice")
        << offScreen << offScreen << "p600,1500 p0,0" << offScreen;
    QTest::newRow("brought into reach, then dragged")
        << offScreen << offScreen << "p600,1500 m900,1800" << QRectF(900, 1800, 3000, 3000);
    QTest::newRow("dragged, then brought into reach before a write")
        << onScreen << onScreen << "m900,900 p0,0" << QRectF(900, 900, 3000, 3000);
    QTest::newRow("resized, then brought into reach")
        << onScreen << onScreen << "r4500,4500 p0,0" << QRectF(1500, 1500, 4500, 4500);
    QTest::newRow("the window manager ignoring the requested place")
        << onScreen << onScreen << "w0,0" << onScreen;
    QTest::newRow("gathered") << offScreen << offScreen << "p600,1500 m20,20"
                              << QRectF(20, 20, 3000, 3000);
    QTest::newRow("a screen coming back")
        << offScreen << offScreen << "p600,1500 w75000,1500" << offScreen;
    const QRectF huge(1500, 1500, 200000, 3000);
    const QRectF bounded(1500, 1500, 122880, 3000);
    QTest::newRow("a size beyond the largest window") << huge << bounded << "" << huge;
    QTest::newRow("moved, the size kept")
        << huge << bounded << "m0,0" << QRectF(0, 0, 200000, 3000);
    QTest::newRow("resized, the size shown")
        << huge << bounded << "r4500,4500" << QRectF(1500, 1500, 4500, 4500);
}

void TestNotePlacement::fileKeepsWhatTheUserLeft()
{
    QFETCH(QRectF, file);
    QFETCH(QRectF, shown);
    QFETCH(QString, steps);
    NotePlacement placement;
    placement.loaded(file, shown);
    for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList numbers = step.mid(1).split(QLatin1Char(','));
        const QPointF value(numbers[0].toDouble(), numbers[1].toDouble());
        switch (step[0].toLatin1()) {
        case 'm':
            shown.moveTopLeft(value);
            placement.userMoved();
            break;
        case 'r':
            shown.setSize(QSizeF(value.x(), value.y()));
            placement.userResized();
            break;
        case 'p':
            placement.putElsewhere(shown);
            shown.moveTopLeft(value);
            break;
        default:
            shown.moveTopLeft(value);
        }
    }
    QTEST(placement.forFile(shown), "expected");
}

QTEST_GUILESS_MAIN(TestNotePlacement)
#include "tst_noteplacement.moc"
