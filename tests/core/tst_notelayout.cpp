// SPDX-License-Identifier: MIT
#include "notes/notelayout.h"
#include "notes/tileplan.h"
#include "platform/twips.h"

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
    void plansTiles_data();
    void plansTiles();
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

QTEST_GUILESS_MAIN(TestNoteLayout)
#include "tst_notelayout.moc"
