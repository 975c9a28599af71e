// SPDX-License-Identifier: MIT
#include "core/record/notestate.h"
#include "core/storage/notefile.h"
#include "support/drops.h"
#include "ui/note/memoedit.h"
#include "ui/note/memolabel.h"
#include "ui/note/notemenu.h"
#include "ui/note/notesurface.h"
#include "ui/notefixture.h"
#include "ui/webpane/webpane.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>

namespace {
NoteState plainNote(const QString &background = QString())
{
    NoteState state;
    state.left = 300;
    state.top = 300;
    state.width = 3000;
    state.height = 3000;
    state.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    state.bold = true;
    state.memo = QStringLiteral("memo");
    state.backgroundPath = background;
    return state;
}

// A plain note on tiles of yellow 8 × 8 pixels, from paper.png in the fixture's folder.
NoteWindow *openOnPaper(NoteFixture &fixture)
{
    const QString paper = fixture.path("paper.png");
    if (!NoteFiles::picture(paper, QSize(8, 8), Qt::yellow))
        return nullptr;
    return fixture.open("1.dat", plainNote(paper).toRecord().toBytes());
}

QColor pixelAt(QWidget *surface, const QPoint &point)
{
    return surface->grab().toImage().pixelColor(point);
}
} // namespace

class TestNoteMenu final : public QObject
{
    Q_OBJECT
private slots:
    void fontCancelledGivesTheEditBoxTheLabelFont();
    void fontConfirmedSetsBothWithoutLayout();
    void colourPickerOpensAsTheFontCommandLeftIt();
    void textColourLeavesTheEditBoxAlone();
    void backgroundColourCoversTilesUntilReopened();
    void cancelBackgroundPictureEmptiesTheField();
    void webPaneToggleRunsTheLayout();
    void discardAnsweredCancelKeepsTheNote();
    void discardAnsweredOkDeletesTheFile();
    void discardThatCannotDeleteKeepsTheNoteOpen();
    void pictureDropTilesTheFirstFile();
    void dropsThatAreNoPictureChangeNothing();
    void dropsOverMemoAndPaneReachTheNote();
    void keysOpenTheMenuAtTheNote_data();
    void keysOpenTheMenuAtTheNote();
    void placementIsShownAndKept_data();
    void placementIsShownAndKept();
};

void TestNoteMenu::fontCancelledGivesTheEditBoxTheLabelFont()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", plainNote().toRecord().toBytes());
    QVERIFY(note);
    auto *label = note->findChild<MemoLabel *>("memoLabel");
    auto *edit = note->memoEdit();
    edit->setFont(QFont(QStringLiteral("Sans"), 20));
    const QFont before = label->font();
    note->menu()->fontAction->trigger();
    QCOMPARE(fixture.seams.picker.shown.size(), 1);
    QCOMPARE(fixture.seams.picker.shown[0].flags, 3);
    QCOMPARE(label->font(), before);
    QCOMPARE(edit->font().family(), before.family());
    QCOMPARE(edit->font().pointSizeF(), before.pointSizeF());
    QCOMPARE(edit->font().bold(), true);
    QCOMPARE(edit->font().italic(), false);
}

void TestNoteMenu::fontConfirmedSetsBothWithoutLayout()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", plainNote().toRecord().toBytes());
    QVERIFY(note);
    fixture.seams.picker.confirm = true;
    fixture.seams.picker.choice = {0, QStringLiteral("IPAGothic"), 12, true, true, 0};
    QSignalSpy layouts(note, &NoteWindow::layoutDone);
    note->menu()->fontAction->trigger();
    for (auto *widget :
         {note->findChild<QWidget *>("memoLabel"), static_cast<QWidget *>(note->memoEdit())}) {
        QCOMPARE(widget->font().family(), QStringLiteral("IPAGothic"));
        QCOMPARE(widget->font().pointSizeF(), 12.0);
        QVERIFY(widget->font().bold() && widget->font().italic());
    }
    QCOMPARE(layouts.count(), 0);
    note->close();
    const NoteRecord saved = NoteFile::load(fixture.path("1.dat")).record;
    QCOMPARE(saved.field(NoteRecord::FontName), QStringLiteral("IPAGothic"));
    QCOMPARE(saved.field(NoteRecord::FontSize), QStringLiteral("12"));
    QCOMPARE(saved.field(NoteRecord::Italic), QStringLiteral("True"));
}

void TestNoteMenu::colourPickerOpensAsTheFontCommandLeftIt()
{
    NoteFixture fixture;
    NoteWindow *first = fixture.open("1.dat", plainNote().toRecord().toBytes());
    NoteWindow *second = fixture.open("2.dat", plainNote().toRecord().toBytes());
    QVERIFY(first && second);
    const NoteState before = first->state();
    first->menu()->textColourAction->trigger();
    first->menu()->backgroundColourAction->trigger();
    QCOMPARE(first->state(), before); // cancelled: unchanged
    QCOMPARE(fixture.seams.picker.shown[0].flags, 0);
    second->menu()->fontAction->trigger();
    first->menu()->backgroundColourAction->trigger();
    const PickerSettings shown = fixture.seams.picker.shown.last();
    QCOMPARE(shown.flags, 3);
    QCOMPARE(shown.colour, 0x00FFFFFF);
}

void TestNoteMenu::textColourLeavesTheEditBoxAlone()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", plainNote().toRecord().toBytes());
    QVERIFY(note);
    auto *label = note->findChild<MemoLabel *>("memoLabel");
    auto *edit = note->memoEdit();
    QTest::mouseClick(label, Qt::LeftButton);
    fixture.seams.picker.confirm = true;
    fixture.seams.picker.choice.colour = 0x0000FF; // red
    note->menu()->textColourAction->trigger();
    QCOMPARE(edit->palette().color(QPalette::Text), QColor(0x40, 0x40, 0x40));
    QCOMPARE(edit->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
    QTest::mouseClick(note->findChild<QWidget *>("surface"), Qt::LeftButton, {}, QPoint(150, 10));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(note->state().textColour, 0x0000FF);
}

void TestNoteMenu::backgroundColourCoversTilesUntilReopened()
{
    NoteFixture fixture;
    const QString paper = fixture.path("paper.png");
    NoteWindow *note = openOnPaper(fixture);
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    QCOMPARE(pixelAt(surface, QPoint(150, 5)), QColor(Qt::yellow));
    fixture.seams.picker.confirm = true;
    fixture.seams.picker.choice.colour = 0xFF0000; // blue
    note->menu()->backgroundColourAction->trigger();
    QCOMPARE(pixelAt(surface, QPoint(150, 5)), QColor(Qt::blue));
    QCOMPARE(note->backgroundPath(), paper);
    note->close();
    NoteWindow *again = fixture.open("1.dat");
    QCOMPARE(pixelAt(again->findChild<QWidget *>("surface"), QPoint(150, 5)), QColor(Qt::yellow));
}

void TestNoteMenu::cancelBackgroundPictureEmptiesTheField()
{
    NoteFixture fixture;
    const QString paper = fixture.path("paper.png");
    NoteWindow *note = openOnPaper(fixture);
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    note->menu()->cancelBackgroundAction->trigger();
    QCOMPARE(pixelAt(surface, QPoint(150, 5)), QColor(Qt::white));
    note->close();
    QVERIFY(NoteFiles::read(fixture.path("1.dat")).endsWith(",memo,\r\n"));
    NoteWindow *again = fixture.open("1.dat");
    QCOMPARE(again->findChild<NoteSurface *>("surface")->layerCount(), 0);
    // A picture dropped after the cancel is the note's background again.
    dropOn(again, {QUrl::fromLocalFile(paper)});
    QTRY_COMPARE(again->backgroundPath(), paper);
}

void TestNoteMenu::webPaneToggleRunsTheLayout()
{
    NoteFixture fixture;
    NoteState state = plainNote();
    state.picturePath = fixture.path("wide.png");
    QVERIFY(NoteFiles::picture(state.picturePath, QSize(40, 20), Qt::red));
    NoteWindow *note = fixture.open("1.dat", state.toRecord().toBytes());
    QVERIFY(note);
    auto *pane = note->findChild<WebPane *>("webPane");
    auto *label = note->findChild<QWidget *>("memoLabel");
    const QRect memo = label->geometry();
    const QRect paneBox = pane->geometry();
    QSignalSpy layouts(note, &NoteWindow::layoutDone);
    note->menu()->webPaneAction->trigger();
    QVERIFY(pane->isVisible());
    QCOMPARE(label->height(), memo.height() - 22);
    QCOMPARE(pane->geometry(), paneBox);
    note->menu()->webPaneAction->trigger();
    QVERIFY(pane->isHidden());
    QCOMPARE(label->geometry(), memo);
    QCOMPARE(layouts.count(), 2);
    QVERIFY(!pane->hasView()); // tests run with plain panes
}

void TestNoteMenu::discardAnsweredCancelKeepsTheNote()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", plainNote().toRecord().toBytes());
    QVERIFY(note);
    note->menu()->discardAction->trigger();
    QCOMPARE(fixture.seams.messageBox.questions,
             QStringList{QStringLiteral(
                 "この付箋紙を削除します。メモの内容は失われます。よろしいですか？")});
    QVERIFY(note->isVisible());
    QVERIFY(QFile::exists(fixture.path("1.dat")));
}

void TestNoteMenu::discardAnsweredOkDeletesTheFile()
{
    NoteFixture fixture;
    const QString paper = fixture.path("paper.png");
    QPointer<NoteWindow> note = openOnPaper(fixture);
    QVERIFY(note);
    fixture.seams.messageBox.answer = true;
    note->menu()->discardAction->trigger();
    QVERIFY(!QFile::exists(fixture.path("1.dat")));
    QVERIFY(note.isNull() || note->isClosed());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!QFile::exists(fixture.path("1.dat")));
    QVERIFY(QFile::exists(paper));
}

void TestNoteMenu::discardThatCannotDeleteKeepsTheNoteOpen()
{
    NoteFixture fixture;
    // A note file that is a folder cannot be removed as a file.
    QVERIFY(QDir(fixture.dir.path()).mkdir("stuck.dat"));
    NoteWindow *note = fixture.open("stuck.dat");
    QVERIFY(note);
    fixture.seams.messageBox.answer = true;
    note->menu()->discardAction->trigger();
    QVERIFY(note->isVisible());
    QVERIFY(note->isDiscarded());
    note->close();
    QVERIFY(QFileInfo(fixture.path("stuck.dat")).isDir());
}

void TestNoteMenu::pictureDropTilesTheFirstFile()
{
    NoteFixture fixture;
    const QString yellow = fixture.path("yellow paper.png");
    const QString green = fixture.path("緑.png");
    QVERIFY(NoteFiles::picture(yellow, QSize(8, 8), Qt::yellow));
    QVERIFY(NoteFiles::picture(green, QSize(6, 6), Qt::green));
    NoteWindow *note = fixture.open("1.dat", plainNote().toRecord().toBytes());
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    const NoteState before = note->state();
    const QRect memo = note->findChild<QWidget *>("memoLabel")->geometry();

    dropOn(note, {QUrl::fromLocalFile(yellow), QUrl::fromLocalFile(green)});
    QTRY_COMPARE(note->backgroundPath(), yellow);
    QCOMPARE(pixelAt(surface, QPoint(150, 5)), QColor(Qt::yellow));
    dropOn(note, {QUrl::fromLocalFile(yellow)});
    QTRY_COMPARE(surface->layerCount(), 2);
    dropOn(note, {QUrl::fromLocalFile(green)});
    QTRY_COMPARE(note->backgroundPath(), green);
    QCOMPARE(pixelAt(surface, QPoint(150, 5)), QColor(Qt::green));

    NoteState expected = before;
    expected.backgroundPath = green;
    QCOMPARE(note->state(), expected);
    QCOMPARE(note->findChild<QWidget *>("memoLabel")->geometry(), memo);
    note->close();
    NoteWindow *again = fixture.open("1.dat");
    QCOMPARE(again->backgroundPath(), green);
    QCOMPARE(pixelAt(again->findChild<QWidget *>("surface"), QPoint(150, 5)), QColor(Qt::green));
}

void TestNoteMenu::dropsThatAreNoPictureChangeNothing()
{
    NoteFixture fixture;
    const QString paper = fixture.path("paper.png");
    const QString text = fixture.path("note.txt");
    QVERIFY(NoteFiles::write(text, "plain text"));
    NoteWindow *note = openOnPaper(fixture);
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    dropOn(note, {QUrl::fromLocalFile(text)});
    dropOn(note, {QUrl::fromLocalFile(fixture.dir.path())});
    dropOn(note, {QUrl::fromLocalFile(fixture.path("missing.png"))});
    dropOn(note, {}, QStringLiteral("text only"));
    // Every dropped file has been read and answered.
    QVERIFY(QTest::qWaitFor([&fixture] { return !fixture.seams.reads.isBusy(); }));
    QCoreApplication::processEvents();
    QCOMPARE(note->backgroundPath(), paper);
    QCOMPARE(surface->layerCount(), 1);
}

void TestNoteMenu::dropsOverMemoAndPaneReachTheNote()
{
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", plainNote().toRecord().toBytes());
    QVERIFY(note);
    auto *edit = note->memoEdit();
    QVERIFY(!edit->acceptDrops());
    QVERIFY(!edit->viewport()->acceptDrops());
    QVERIFY(!note->findChild<QWidget *>("webPane")->acceptDrops());
    QVERIFY(!note->findChild<QWidget *>("memoLabel")->acceptDrops());
    QVERIFY(note->acceptDrops());
}

void TestNoteMenu::keysOpenTheMenuAtTheNote_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("the Menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
}

void TestNoteMenu::keysOpenTheMenuAtTheNote()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", plainNote().toRecord().toBytes());
    QVERIFY(note);
    QRect shownAt;
    QTimer::singleShot(0, note, [&shownAt] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            shownAt = popup->geometry();
            popup->close();
        }
    });
    QTest::keyClick(note, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(!shownAt.isNull());
    QVERIFY2(note->geometry().contains(shownAt.topLeft()), "the menu opens at the note");
}

void TestNoteMenu::placementIsShownAndKept_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("deskText");
    QTest::newRow("always on top") << "aboveAction"
                                   << "layer=above";
    QTest::newRow("on the desktop") << "desktopAction"
                                    << "layer=desktop";
    QTest::newRow("click-through") << "clickThroughAction"
                                   << "clickthrough=yes";
    QTest::newRow("opacity 75 %") << "opacityAction 75"
                                  << "opacity=75";
    QTest::newRow("locked") << "lockAction"
                            << "locked=yes";
}

// Each choice of the placement submenu shows on the note at once, is
// written to the note file's desk line and comes back checked when the
// note opens again.
void TestNoteMenu::placementIsShownAndKept()
{
    QFETCH(QString, choice);
    QFETCH(QString, deskText);
    NoteFixture fixture;
    NoteWindow *note = fixture.open("1.dat", plainNote().toRecord().toBytes());
    QVERIFY(note);
    const auto chosen = [&choice](NoteWindow *window) {
        for (QAction *action : window->menu()->deskMenu->actions())
            if (action->objectName() == choice.section(u' ', 0, 0) &&
                (!choice.contains(u' ') || action->data().toString() == choice.section(u' ', 1)))
                return action;
        return static_cast<QAction *>(nullptr);
    };
    QVERIFY(chosen(note) && !chosen(note)->isChecked());
    chosen(note)->trigger();
    const QPoint before = note->pos();
    auto *surface = note->findChild<NoteSurface *>("surface");
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(150, 20));
    QTest::mouseMove(surface, QPoint(100, 60));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(100, 60));
    QTest::mouseClick(note->findChild<MemoLabel *>("memoLabel"), Qt::LeftButton);
    const bool locked = choice == u"lockAction";
    QCOMPARE(note->pos() == before, locked);
    QCOMPARE(note->memoEdit()->isVisible(), !locked);
    QCOMPARE(note->menu()->discardAction->isEnabled(), !locked);
    QCOMPARE(note->findChild<QWidget *>("lockMark")->isVisible(), locked);
    QCOMPARE(note->windowFlags().testFlag(Qt::WindowStaysOnTopHint), choice == u"aboveAction");
    QCOMPARE(note->windowFlags().testFlag(Qt::WindowStaysOnBottomHint), choice == u"desktopAction");
    QCOMPARE(qRound(note->windowOpacity() * 100), choice.endsWith(u"75") ? 75 : 100);
    note->close();
    const NoteRecord saved = NoteFile::load(fixture.path("1.dat")).record;
    QCOMPARE(saved.deskText(), deskText);
    NoteWindow *again = fixture.open("1.dat");
    QVERIFY(again && chosen(again)->isChecked());
}

QTEST_MAIN(TestNoteMenu)
#include "tst_notemenu.moc"
