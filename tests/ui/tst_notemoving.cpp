// SPDX-License-Identifier: MIT
#include "core/record/notestate.h"
#include "core/storage/notefile.h"
#include "ui/menudriver.h"
#include "ui/note/memoedit.h"
#include "ui/note/memolabel.h"
#include "ui/note/notesurface.h"
#include "ui/notefixture.h"

#include <QFile>
#include <QSignalSpy>

namespace {
// A note at 2010, 1500 twips (134, 100 pixels).
QByteArray noteAt(const QString &picture = QString())
{
    return NoteState::newNoteRecord(picture, 2010, 1500).toBytes();
}

// With @p button still down, a pointer move leaves the note at 134, 100; then the button goes up.
void moveWithoutDragging(NoteWindow *note, QWidget *surface, Qt::MouseButton button)
{
    QTest::mouseMove(surface, QPoint(40, 40));
    QTest::qWait(20);
    QCOMPARE(note->pos(), QPoint(134, 100));
    QTest::mouseRelease(surface, button, {}, QPoint(40, 40));
}
} // namespace

class TestNoteMoving final : public QObject
{
    Q_OBJECT
private slots:
    void dragsByThePointerDelta();
    void dragsFromThePicture();
    void savesANegativeLeft();
    void rightPressOpensTheMenuWithoutDragging();
    void middlePressEndsEditingOnly();
    void anyReleaseEndsADrag();
    void editsTheMemoInPlace();
    void focusLossEndsEditing();
    void textStillBeingEditedIsKept();
    void discardFromTheMenuStopsThePress();
};

void TestNoteMoving::dragsByThePointerDelta()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", noteAt());
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    QCOMPARE(note->pos(), QPoint(134, 100));
    // Press at (300, 210) twips of the inner area, move to (450, 270): +150, +60 twips.
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(20, 14));
    QVERIFY(note->isDragging());
    QTest::mouseMove(surface, QPoint(30, 18));
    QTRY_COMPARE(note->pos(), QPoint(144, 104));
    QCOMPARE(note->state().left, 2160.0f);
    QCOMPARE(note->state().top, 1560.0f);
    // The pointer has not moved on the screen: the window stays.
    QTest::mouseMove(surface, QPoint(20, 14));
    QTest::qWait(20);
    QCOMPARE(note->pos(), QPoint(144, 104));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(20, 14));
    QVERIFY(!note->isDragging());
    QTest::mouseMove(surface, QPoint(60, 60));
    QTest::qWait(20);
    QCOMPARE(note->pos(), QPoint(144, 104));
    // Press and release without a move leaves the note where it is.
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(40, 40));
    QCOMPARE(note->pos(), QPoint(144, 104));
}

void TestNoteMoving::dragsFromThePicture()
{
    NoteFixture fixture;
    const QString picture = fixture.path("p.png");
    QVERIFY(NoteFiles::picture(picture, QSize(40, 30), Qt::red));
    NoteWindow *note = fixture.open("1.dat", noteAt(picture));
    QVERIFY(note);
    QWidget *view = note->findChild<QWidget *>("picture");
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(50, 40));
    QVERIFY(note->isDragging());
    QTest::mouseMove(view, QPoint(57, 31));
    QTRY_COMPARE(note->pos(), QPoint(141, 91));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(57, 31));
}

void TestNoteMoving::savesANegativeLeft()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", noteAt());
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(150, 20));
    QTest::mouseMove(surface, QPoint(7, 20));
    QTRY_COMPARE(note->pos(), QPoint(-9, 100));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(7, 20));
    note->close();
    QCOMPARE(NoteFile::load(fixture.path("1.dat")).record.field(NoteRecord::Left),
             QStringLiteral("-135"));
}

void TestNoteMoving::rightPressOpensTheMenuWithoutDragging()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", noteAt());
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    QStringList captions;
    whenMenuOpens([&captions](QMenu *menu) {
        for (QAction *action : menu->actions())
            captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        menu->close();
    });
    QTest::mousePress(surface, Qt::RightButton, {}, QPoint(20, 14));
    QCOMPARE(captions, (QStringList{"フォント", "文字色", "背景色", "背景画像のキャンセル",
                                    "WebツールバーON/OFF", "-", "捨てる", "-", "置き方"}));
    QVERIFY(!note->isDragging());
    moveWithoutDragging(note, surface, Qt::RightButton);
}

void TestNoteMoving::middlePressEndsEditingOnly()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", noteAt());
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    auto *label = note->findChild<MemoLabel *>("memoLabel");
    auto *edit = note->memoEdit();
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(edit->isVisible());
    QTest::keyClicks(edit, "middle");
    QTest::mousePress(surface, Qt::MiddleButton, {}, QPoint(20, 14));
    QVERIFY(!note->isDragging());
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(label->memo(), QStringLiteral("middle"));
    QVERIFY(edit->isHidden());
    moveWithoutDragging(note, surface, Qt::MiddleButton);
}

void TestNoteMoving::anyReleaseEndsADrag()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", noteAt());
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(20, 14));
    QTest::mouseRelease(surface, Qt::MiddleButton, {}, QPoint(20, 14));
    QVERIFY(!note->isDragging());
}

void TestNoteMoving::editsTheMemoInPlace()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", noteAt());
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    auto *label = note->findChild<MemoLabel *>("memoLabel");
    auto *edit = note->memoEdit();
    QCOMPARE(label->cursor().shape(), Qt::IBeamCursor);
    QCOMPARE(label->textFormat(), Qt::PlainText);

    QTest::mousePress(label, Qt::LeftButton);
    QVERIFY(!note->isDragging());
    QTest::mouseRelease(label, Qt::LeftButton);
    QVERIFY(edit->isVisible());
    QVERIFY(label->isHidden());
    QCOMPARE(edit->geometry(), label->geometry());
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClicks(edit, "a, b");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "<b>two</b>");
    QCOMPARE(label->memo(), QString()); // not before editing ends
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(150, 14));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(150, 14));
    QCOMPARE(label->memo(), QStringLiteral("a, b\n<b>two</b>"));
    QVERIFY(label->isVisible());
    QVERIFY(edit->isHidden());

    // Not editing: a press leaves the memo alone, even with other text left in the edit box.
    edit->setPlainText(QStringLiteral("stale"));
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(150, 14));
    QCOMPARE(label->memo(), QStringLiteral("a, b\n<b>two</b>"));

    note->close();
    QCOMPARE(NoteFile::load(fixture.path("1.dat")).record.field(NoteRecord::Memo),
             QStringLiteral("a, b\n<b>two</b>"));
}

void TestNoteMoving::focusLossEndsEditing()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", noteAt());
    QVERIFY(note);
    auto *label = note->findChild<MemoLabel *>("memoLabel");
    auto *edit = note->memoEdit();
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::keyClicks(edit, "focus");
    QTRY_VERIFY(edit->hasFocus());
    QSignalSpy focusLost(edit, &MemoEdit::focusLost);
    edit->clearFocus();
    QCOMPARE(label->memo(), QStringLiteral("focus"));
    QVERIFY(edit->isHidden());
    QCOMPARE(focusLost.count(), 1);
}

void TestNoteMoving::textStillBeingEditedIsKept()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", noteAt());
    QVERIFY(note);
    const auto memo = [&fixture] {
        return NoteFile::load(fixture.path("1.dat")).record.field(NoteRecord::Memo);
    };
    QTest::mouseClick(note->findChild<MemoLabel *>("memoLabel"), Qt::LeftButton);
    MemoEdit *edit = note->memoEdit();
    QTest::keyClicks(edit, "typed");
    QCOMPARE(memo(), QString());
    // A pause in typing writes the text; the edit goes on untouched.
    QTRY_COMPARE_WITH_TIMEOUT(memo(), QStringLiteral("typed"), 5000);
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->textCursor().position(), 5);
    QTest::keyClicks(edit, " more");
    note->close();
    QCOMPARE(memo(), QStringLiteral("typed more"));
}

void TestNoteMoving::discardFromTheMenuStopsThePress()
{
    NoteFixture fixture;
    const QString picture = fixture.path("p.png");
    QVERIFY(NoteFiles::picture(picture, QSize(40, 30), Qt::red));
    QPointer<NoteWindow> note = fixture.open("1.dat", noteAt(picture));
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    QTest::mouseClick(note->findChild<MemoLabel *>("memoLabel"), Qt::LeftButton);
    fixture.seams.messageBox.answer = true;
    whenMenuOpens([](QMenu *menu) { chooseItem(menu, "discardAction"); });
    QTest::mousePress(surface, Qt::RightButton, {}, QPoint(20, 14));
    QCOMPARE(fixture.seams.messageBox.questions.size(), 1);
    QVERIFY(!QFile::exists(fixture.path("1.dat")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!note);
    QVERIFY(!QFile::exists(fixture.path("1.dat")));
    QVERIFY(QFile::exists(picture));
}

QTEST_MAIN(TestNoteMoving)
#include "tst_notemoving.moc"
