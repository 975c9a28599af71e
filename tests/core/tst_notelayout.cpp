// SPDX-License-Identifier: MIT
#include "core/record/twips.h"
#include "core/rules/notelayout.h"
#include "core/rules/resizeborder.h"
#include "core/rules/screenreach.h"
#include "core/rules/tileplan.h"

#include <QTest>

class TestNoteLayout final : public QObject
{
    Q_OBJECT
private slots:
    void fitsTheDefaultNote();
    void paneChangesOnlyTheMemoHeight();
    void refusesNegativeHeights();
    void refusesNegativeWidths();
    void roundsLengthsThatAreReadBack();
    void placesControlsInPixels();
    void resizesByHand_data();
    void resizesByHand();
    void plansTiles_data();
    void plansTiles();
    void bringsWindowsIntoReach_data();
    void bringsWindowsIntoReach();
    void cascadesGatheredWindows_data();
    void cascadesGatheredWindows();
};

namespace {
const Twips twips(96);

NoteLayout::Frame frame(double width, double height, float ratio, bool pane)
{
    return NoteLayout::Frame{width, height, 150, ratio, pane};
}
} // namespace

void TestNoteLayout::fitsTheDefaultNote()
{
    const NoteLayout hidden =
        NoteLayout::fitted(NoteLayout(), frame(3000, 3000, 0.75f, false), twips);
    QCOMPARE(hidden.pictureWidth, 2580.0);
    QCOMPARE(hidden.pictureHeight, 1935.0);
    QCOMPARE(hidden.memoTop, 150.0 + 2035.0);
    QCOMPARE(hidden.memoWidth, 2580.0);
    QCOMPARE(hidden.memoHeight, 545.0);
    QCOMPARE(hidden.paneTop, 2550.0);
    QCOMPARE(hidden.paneWidth, 30000.0);
}

void TestNoteLayout::paneChangesOnlyTheMemoHeight()
{
    const NoteLayout hidden =
        NoteLayout::fitted(NoteLayout(), frame(3000, 3000, 0.75f, false), twips);
    const NoteLayout shown = NoteLayout::fitted(hidden, frame(3000, 3000, 0.75f, true), twips);
    QCOMPARE(shown.memoHeight, 215.0);
    NoteLayout expected = hidden;
    expected.memoHeight -= 330;
    QCOMPARE(shown, expected);
    QCOMPARE(NoteLayout::fitted(shown, frame(3000, 3000, 0.75f, false), twips), hidden);
}

void TestNoteLayout::refusesNegativeHeights()
{
    NoteLayout before;
    before.memoHeight = 300;
    const NoteLayout tall = NoteLayout::fitted(before, frame(3000, 3000, 1.5f, true), twips);
    QCOMPARE(tall.pictureHeight, 3870.0);
    QCOMPARE(tall.memoHeight, 300.0);
    QCOMPARE(tall.memoTop, 150.0 + 3870.0 + 100.0);
    QCOMPARE(tall.paneTop, 2550.0);
}

void TestNoteLayout::refusesNegativeWidths()
{
    NoteLayout before;
    before.pictureWidth = 615;
    before.memoWidth = 1860;
    const NoteLayout narrow = NoteLayout::fitted(before, frame(300, 3000, 0.5f, false), twips);
    QCOMPARE(narrow.pictureWidth, 615.0);
    QCOMPARE(narrow.memoWidth, 1860.0);
    QCOMPARE(narrow.pictureHeight, 315.0); // 615 × 0.5 = 20.5 px, applied as 21 px
    QCOMPARE(narrow.paneTop, 2550.0);
}

void TestNoteLayout::roundsLengthsThatAreReadBack()
{
    // 3007 - 420 = 2587 twips is 172.47 px: the picture is 172 px wide and its
    // height is taken from that width.
    const NoteLayout odd = NoteLayout::fitted(NoteLayout(), frame(3007, 3000, 1.0f, false), twips);
    QCOMPARE(odd.pictureWidth, 2580.0);
    QCOMPARE(odd.pictureHeight, 2580.0);
    QCOMPARE(odd.memoWidth, 2587.0);
}

void TestNoteLayout::placesControlsInPixels()
{
    const NoteLayout layout =
        NoteLayout::fitted(NoteLayout(), frame(3000, 3000, 0.75f, false), twips);
    const NoteLayout::Placement placement = layout.placed(twips, 192);
    QCOMPARE(placement.picture, QRect(10, 10, 172, 129));
    QCOMPARE(placement.memo, QRect(10, 146, 172, 36));
    // The pane starts 2 px left of the inner area and is cut to what the note shows.
    QCOMPARE(placement.pane, QRect(-2, 170, 194, 63));
    QCOMPARE(layout.placed(twips, -10).pane.width(), 1);
    QCOMPARE(NoteLayout::designWindowSize(twips), QSize(320, 237));
}

void TestNoteLayout::resizesByHand_data()
{
    QTest::addColumn<int>("edges");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("resized");
    const int left = Qt::LeftEdge, top = Qt::TopEdge;
    const int right = Qt::RightEdge, bottom = Qt::BottomEdge;
    QTest::newRow("right wider") << right << QPoint(30, 99) << QRect(100, 100, 230, 150);
    QTest::newRow("bottom shorter") << bottom << QPoint(99, -50) << QRect(100, 100, 200, 100);
    QTest::newRow("left keeps the right edge")
        << left << QPoint(-20, 0) << QRect(80, 100, 220, 150);
    QTest::newRow("top-left corner") << (top | left) << QPoint(10, 20) << QRect(110, 120, 190, 130);
    QTest::newRow("left past the minimum") << left << QPoint(500, 0) << QRect(276, 100, 24, 150);
    QTest::newRow("top past the minimum") << top << QPoint(0, 500) << QRect(100, 226, 200, 24);
    QTest::newRow("bottom-right past it")
        << (bottom | right) << QPoint(-900, -900) << QRect(100, 100, 24, 24);
}

void TestNoteLayout::resizesByHand()
{
    QFETCH(int, edges);
    QFETCH(QPoint, delta);
    QFETCH(QRect, resized);
    const QRect start(100, 100, 200, 150);
    QCOMPARE(ResizeBorder::resized(start, Qt::Edges(edges), delta, QSize(24, 24)), resized);
}

void TestNoteLayout::plansTiles_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("lastX");
    QTest::addColumn<double>("lastY");
    QTest::newRow("design box") << 1335.0 << 615.0 << 23 << 49 << 29370.0 << 29520.0;
    QTest::newRow("exact fit") << 15000.0 << 30000.0 << 3 << 2 << 30000.0 << 30000.0;
    QTest::newRow("one pixel") << 15.0 << 15.0 << 2001 << 2001 << 30000.0 << 30000.0;
    QTest::newRow("zero width") << 0.0 << 615.0 << 0 << 0 << 0.0 << 0.0;
    QTest::newRow("larger than extent") << 40000.0 << 40000.0 << 1 << 1 << 0.0 << 0.0;
}

void TestNoteLayout::plansTiles()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(double, lastX);
    QFETCH(double, lastY);
    const TilePlan plan = TilePlan::forPicture(width, height);
    QCOMPARE(plan.columns, columns);
    QCOMPARE(plan.rows, rows);
    QCOMPARE(plan.lastX, lastX);
    QCOMPARE(plan.lastY, lastY);
    if (width == 1335.0)
        QCOMPARE(plan.tileCount(), 1127LL);
}

void TestNoteLayout::bringsWindowsIntoReach_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("placed");
    const QRect left(0, 0, 1280, 1024);
    const QRect right(1280, 0, 1920, 1080);
    const QList<QRect> both{left, right};
    QTest::newRow("wholly shown") << QRect(100, 80, 200, 200) << both << QPoint(100, 80);
    QTest::newRow("48 shown at the edge")
        << QRect(1232, 976, 200, 200) << QList<QRect>{left} << QPoint(1232, 976);
    QTest::newRow("47 shown: wholly in")
        << QRect(1233, 100, 200, 200) << QList<QRect>{left} << QPoint(1080, 100);
    QTest::newRow("across two screens") << QRect(1250, 100, 200, 200) << both << QPoint(1250, 100);
    QTest::newRow("screen unplugged")
        << QRect(2500, 900, 300, 300) << QList<QRect>{left} << QPoint(980, 724);
    QTest::newRow("nearest of two") << QRect(3400, -500, 200, 200) << both << QPoint(3000, 0);
    QTest::newRow("above and left") << QRect(-5000, -5000, 200, 200) << both << QPoint(0, 0);
    QTest::newRow("larger than the screen")
        << QRect(3000, 50, 2000, 1500) << QList<QRect>{left} << QPoint(0, 0);
    QTest::newRow("smaller than the minimum, shown whole")
        << QRect(1270, 10, 10, 10) << QList<QRect>{left} << QPoint(1270, 10);
    QTest::newRow("no screen") << QRect(5000, 5000, 200, 200) << QList<QRect>{}
                               << QPoint(5000, 5000);
}

void TestNoteLayout::bringsWindowsIntoReach()
{
    QFETCH(QRect, window);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, placed);
    QCOMPARE(ScreenReach::reachable(window, screens), placed);
    QVERIFY(screens.isEmpty() || ScreenReach::isReachable(QRect(placed, window.size()), screens));
}

void TestNoteLayout::cascadesGatheredWindows_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("first") << 0 << QSize(200, 200) << QPoint(1280, 24);
    QTest::newRow("third") << 2 << QSize(200, 200) << QPoint(1320, 64);
    QTest::newRow("last that fits") << 44 << QSize(200, 200) << QPoint(2160, 904);
    QTest::newRow("starts again") << 45 << QSize(200, 200) << QPoint(1280, 24);
    QTest::newRow("larger than the screen") << 5 << QSize(3000, 200) << QPoint(1280, 24);
}

void TestNoteLayout::cascadesGatheredWindows()
{
    QFETCH(int, index);
    QFETCH(QSize, size);
    QFETCH(QPoint, placed);
    QCOMPARE(ScreenReach::cascaded(index, size, QRect(1280, 24, 1920, 1080)), placed);
}

QTEST_GUILESS_MAIN(TestNoteLayout)
#include "tst_notelayout.moc"
