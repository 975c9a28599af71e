// SPDX-License-Identifier: MIT
#include "core/reads/pictureloader.h"
#include "core/reads/sharedpictures.h"
#include "core/record/codepage932.h"
#include "core/record/notestate.h"
#include "core/storage/notefile.h"
#include "core/storage/panepage.h"
#include "ui/note/memoedit.h"
#include "ui/note/memolabel.h"
#include "ui/note/notesurface.h"
#include "ui/note/pictureview.h"
#include "ui/notefixture.h"
#include "ui/webpane/webpane.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QSaveFile>
#include <QTextBlock>

namespace {
NoteState sampleState(const QString &picture, const QString &background)
{
    NoteState state;
    state.picturePath = picture;
    state.left = 1500;
    state.top = 1200;
    state.width = 3300;
    state.height = 3600;
    state.backgroundColour = 0x00C0E0FF;
    state.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    state.fontSize = 12;
    state.textColour = 0x000000FF;
    state.bold = true;
    state.italic = true;
    state.webPaneShown = true;
    state.memo = QStringLiteral("first line\nsecond, with comma");
    state.backgroundPath = background;
    return state;
}
} // namespace

class TestNoteLoadSave final : public QObject
{
    Q_OBJECT
private slots:
    void loadsAndSavesEveryValue();
    void newNoteComesBackInSaveForm();
    void laysOutTheDefaultNote();
    void missingPictureKeepsTheDesignSize();
    void unreadableFileOpensSmallButVisible();
    void deletedOrReadOnlyFileIsNotWritten();
    void tilesLikeDrawingEveryTile_data();
    void tilesLikeDrawingEveryTile();
    void notesShareABackgroundPictureUntilItChanges();
    void decodesPicturesAtTheSizeShown();
    void scalesEveryDepthLikeAPlainScale_data();
    void scalesEveryDepthLikeAPlainScale();
    void boundsAHugeSizeAndKeepsItStored();
    void showsPartOfALongMemoAndKeepsItWhole_data();
    void showsPartOfALongMemoAndKeepsItWhole();
    void keysTypedBeforeTheNoteHasTheKeyboardReachTheMemo();
    void showsAFileChangedOutside_data();
    void showsAFileChangedOutside();
    void survivesHostileInputs_data();
    void survivesHostileInputs();
};

void TestNoteLoadSave::loadsAndSavesEveryValue()
{
    NoteFixture fixture;
    const QString picture = fixture.path("pic.png");
    const QString paper = fixture.path("paper.png");
    QVERIFY(NoteFiles::picture(picture, QSize(400, 300), Qt::green));
    QVERIFY(NoteFiles::picture(paper, QSize(10, 10), Qt::yellow));
    const NoteState state = sampleState(picture, paper);
    NoteWindow *note = fixture.open("1.dat", state.toRecord().toBytes());
    QVERIFY(note);
    QCOMPARE(note->state(), state);
    QCOMPARE(note->geometry(), QRect(100, 80, 220, 240));
    QCOMPARE(note->pictureRatio(), 0.75f);
    auto *pane = note->findChild<WebPane *>("webPane");
    QVERIFY(pane->isVisible());
    QCOMPARE(pane->url().path(), QStringLiteral("/006/gear.shtml"));
    QCOMPARE(note->findChild<NoteSurface *>("surface")->layerCount(), 1);
    // The edit box, made when the memo is first edited, has the note's font too.
    const QFont editFont = note->memoEdit()->font();
    QCOMPARE(editFont.family(), state.fontName);
    QCOMPARE(editFont.pointSizeF(), 12.0);
    QVERIFY(editFont.bold() && editFont.italic());
    note->close();
    QCOMPARE(NoteFile::load(fixture.path("1.dat")).record.toBytes(), state.toRecord().toBytes());

    NoteWindow *again = fixture.open("1.dat");
    QCOMPARE(again->state(), state);

    // A note from a notes folder elsewhere shows the pictures of this one and keeps the paths it
    // named.
    QVERIFY(QDir(fixture.dir.path()).mkdir("pictures"));
    QVERIFY(QFile::copy(picture, fixture.path("pictures/pic.png")));
    QVERIFY(QFile::copy(paper, fixture.path("pictures/paper.png")));
    const NoteState travelled =
        sampleState("/home/other/quillnote/pictures/pic.png", "C:\\notes\\pictures\\paper.png");
    NoteWindow *moved = fixture.open("2.dat", travelled.toRecord().toBytes());
    QVERIFY(moved);
    QCOMPARE(moved->picturePath(), fixture.path("pictures/pic.png"));
    QCOMPARE(moved->pictureRatio(), 0.75f);
    QCOMPARE(moved->backgroundPath(), fixture.path("pictures/paper.png"));
    QCOMPARE(moved->findChild<NoteSurface *>("surface")->layerCount(), 1);
    QCOMPARE(moved->state(), travelled);
}

void TestNoteLoadSave::newNoteComesBackInSaveForm()
{
    NoteFixture fixture;
    const QByteArray created = NoteState::newNoteRecord("none.png", 1200, 900).toBytes();
    NoteWindow *note = fixture.open("2.dat", created);
    QVERIFY(note);
    auto *pane = note->findChild<WebPane *>("webPane");
    QVERIFY(pane->isHidden());
    QCOMPARE(pane->url(), PanePage::defaultPage()); // sent there even while hidden
    note->close();
    QCOMPARE(NoteFiles::read(fixture.path("2.dat")), created); // unchanged: left alone
    // Moved by the user, it is written in the save form.
    note = fixture.open("2.dat");
    note->moveForUser(note->pos() + QPoint(20, 0));
    note->close();
    QCOMPARE(NoteFiles::read(fixture.path("2.dat")),
             CodePage932::encode("none.png,1500,900,3000,3000,16777215,ＭＳ Ｐゴシック,9,0,False,"
                                 "False,False,,\r\n"));
}

void TestNoteLoadSave::laysOutTheDefaultNote()
{
    NoteFixture fixture;
    const QString picture = fixture.path("pic.png");
    QVERIFY(NoteFiles::picture(picture, QSize(400, 300), Qt::green));
    NoteWindow *note = fixture.open("3.dat", NoteState::newNoteRecord(picture, 0, 0).toBytes());
    QVERIFY(note);
    QCOMPARE(note->size(), QSize(200, 200));
    // Inner area starts at the 4-pixel border: picture 2580 × 1935 twips at 150, 150.
    QCOMPARE(note->findChild<PictureView *>("picture")->geometry(), QRect(10, 10, 172, 129));
    auto *label = note->findChild<MemoLabel *>("memoLabel");
    auto *edit = note->memoEdit();
    QCOMPARE(label->geometry(), QRect(10, 146, 172, 36)); // top 2185, height 545 twips
    QCOMPARE(edit->geometry(), label->geometry());
    auto *pane = note->findChild<WebPane *>("webPane");
    QCOMPARE(pane->y(), 170); // 2550 twips
    QVERIFY(pane->width() <= note->width());
}

void TestNoteLoadSave::missingPictureKeepsTheDesignSize()
{
    NoteFixture fixture;
    NoteState state = sampleState(fixture.path("gone.png"), fixture.path("gone-too.png"));
    NoteWindow *note = fixture.open("4.dat", state.toRecord().toBytes());
    QVERIFY(note);
    QCOMPARE(note->pictureRatio(), 1.0f);
    auto *picture = note->findChild<PictureView *>("picture");
    QVERIFY(!picture->hasPicture());
    QCOMPARE(picture->height(), picture->width());
    QCOMPARE(note->findChild<NoteSurface *>("surface")->layerCount(), 0);
    note->close();
    QCOMPARE(NoteFile::load(fixture.path("4.dat")).record, state.toRecord());
}

void TestNoteLoadSave::unreadableFileOpensSmallButVisible()
{
    NoteFixture fixture;
    QVERIFY(QDir(fixture.dir.path()).mkdir("folder.dat"));
    NoteWindow *note = fixture.open("folder.dat");
    QVERIFY(note);
    QCOMPARE(note->pos(), QPoint(0, 0));
    QCOMPARE(note->size(), NoteLayout::minimumWindowSize());
    QCOMPARE(note->findChild<NoteSurface *>("surface")->backgroundColour(), QColor(Qt::black));
    QCOMPARE(note->state().memo, QString());
}

void TestNoteLoadSave::deletedOrReadOnlyFileIsNotWritten()
{
    NoteFixture fixture;
    const QByteArray bytes = NoteState::newNoteRecord("x.png", 0, 0).toBytes();
    NoteWindow *deleted = fixture.open("5.dat", bytes);
    NoteWindow *readOnly = fixture.open("6.dat", bytes);
    QVERIFY(deleted && readOnly);
    QVERIFY(QFile::remove(fixture.path("5.dat")));
    QVERIFY(QFile::setPermissions(fixture.path("6.dat"), QFile::ReadOwner));
    deleted->close();
    readOnly->close();
    QVERIFY(!QFile::exists(fixture.path("5.dat")));
    QCOMPARE(NoteFiles::read(fixture.path("6.dat")), bytes);
}

void TestNoteLoadSave::tilesLikeDrawingEveryTile_data()
{
    QTest::addColumn<QSize>("tileSize");
    QTest::newRow("small tile") << QSize(7, 5);
    // Only the note's part of it is decoded, and more of it when the note grows.
    QTest::newRow("picture larger than the note") << QSize(1500, 1100);
}

void TestNoteLoadSave::tilesLikeDrawingEveryTile()
{
    QFETCH(QSize, tileSize);
    NoteFixture fixture;
    QImage tile(tileSize, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            tile.setPixelColor(x, y, QColor(x * 30 % 256, y * 50 % 256, (x + y) % 256));
    QVERIFY(tile.save(fixture.path("tile.png")));
    NoteState state = sampleState(QString(), fixture.path("tile.png"));
    state.memo.clear();
    state.webPaneShown = false;
    NoteWindow *note = fixture.open("7.dat", state.toRecord().toBytes());
    QVERIFY(note);
    auto *surface = note->findChild<NoteSurface *>("surface");
    const auto expected = [&] {
        QImage drawn(surface->size(), QImage::Format_RGB32);
        drawn.fill(QColor(0xFF, 0xE0, 0xC0));
        QPainter painter(&drawn);
        for (int x = 0; x * tile.width() * 15 <= 30000; ++x)
            for (int y = 0; y * tile.height() * 15 <= 30000; ++y)
                painter.drawImage(x * tile.width(), y * tile.height(), tile);
        return drawn;
    };
    const auto shown = [surface] {
        return surface->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    // Compare outside the picture and the memo, which are drawn over the surface.
    // The tiles come when the picture is decoded, which a busy machine delays.
    const QRect free(0, 60, surface->width(), 40);
    QTRY_COMPARE_WITH_TIMEOUT(shown().copy(free), expected().copy(free), 20000);
    note->resize(1200, 1000);
    const QRect grown(0, surface->height() - 60, surface->width(), 40);
    QTRY_COMPARE_WITH_TIMEOUT(shown().copy(grown), expected().copy(grown), 20000);
}

namespace {
// A background picture as a note gets it, once it has been read: held by the caller.
std::shared_ptr<const QPixmap> sharedPicture(SharedPictures &pictures, const QString &path)
{
    std::optional<std::shared_ptr<const QPixmap>> read;
    QObject reader;
    pictures.fetch(path, QSize(), &reader,
                   [&read](const SharedPictures::Picture &picture) { read = picture.pixels; });
    if (!QTest::qWaitFor([&read] { return read.has_value(); }, 10000))
        return {};
    return read.value_or(nullptr);
}
} // namespace

void TestNoteLoadSave::notesShareABackgroundPictureUntilItChanges()
{
    NoteFixture fixture;
    SharedPictures &pictures = fixture.seams.reads.backgrounds();
    const QString paper = fixture.path("paper.png");
    QVERIFY(NoteFiles::picture(paper, QSize(10, 10), Qt::yellow));
    const auto first = sharedPicture(pictures, paper);
    QCOMPARE(first->toImage().pixelColor(0, 0), QColor(Qt::yellow));
    QCOMPARE(sharedPicture(pictures, paper), first);
    // Changed on disk, it is another picture.
    QVERIFY(NoteFiles::picture(paper, QSize(12, 10), Qt::blue));
    const auto changed = sharedPicture(pictures, paper);
    QCOMPARE(changed->size(), QSize(12, 10));
    QCOMPARE(changed->toImage().pixelColor(0, 0), QColor(Qt::blue));
    // However large: a photograph outgrows the toolkit's pixmap cache.
    const QString photo = fixture.path("photo.png");
    QVERIFY(NoteFiles::picture(photo, QSize(3000, 2000), Qt::green));
    const auto large = sharedPicture(pictures, photo);
    QCOMPARE(sharedPicture(pictures, photo), large);
    QVERIFY(!sharedPicture(pictures, fixture.path("none.png")));
    QVERIFY(!sharedPicture(pictures, fixture.path(".")));
}

void TestNoteLoadSave::decodesPicturesAtTheSizeShown()
{
    NoteFixture fixture;
    const QString picture = fixture.path("big.jpg");
    QVERIFY(NoteFiles::picture(picture, QSize(4000, 3000), Qt::darkCyan));
    NoteWindow *note = fixture.open("8.dat", NoteState::newNoteRecord(picture, 0, 0).toBytes());
    QVERIFY(note);
    auto *view = note->findChild<PictureView *>("picture");
    QTRY_VERIFY(!view->pixels().isNull());
    QVERIFY(view->pixels().width() < 1000);
    QVERIFY(view->pixels().width() >= view->width());
    QCOMPARE(view->pixels().depth(), 24); // a photograph has no transparency to keep
    note->resize(700, 600);
    QTRY_VERIFY(view->pixels().width() >= view->width());

    // A picture with transparency keeps it: the note's background shows through.
    QImage clear(40, 30, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    const QString glass = fixture.path("glass.png");
    QVERIFY(clear.save(glass));
    NoteWindow *other = fixture.open("9.dat", NoteState::newNoteRecord(glass, 0, 0).toBytes());
    QVERIFY(other);
    auto *glassView = other->findChild<PictureView *>("picture");
    QTRY_VERIFY(!glassView->pixels().isNull());
    QCOMPARE(glassView->pixels().pixelColor(5, 5).alpha(), 0);
}

void TestNoteLoadSave::scalesEveryDepthLikeAPlainScale_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"palette-1", "palette-2", "palette-4", "palette-8", "grey-8",
                             "grey-16", "rgb-16", "rgba-8"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestNoteLoadSave::scalesEveryDepthLikeAPlainScale()
{
    QFETCH(QString, name);
    const QString path = QStringLiteral(QUILLNOTE_TEST_DATA "/depths/%1.png").arg(name);
    const QImage plain = QImage(path)
                             .convertToFormat(QImage::Format_ARGB32)
                             .scaled(100, 75, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage decoded =
        PictureLoader().decode(path, QSize(100, 75)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(decoded.size(), plain.size());
    // Left half red, right half white, in the picture's own depth.
    for (const QPoint &at : {QPoint(25, 37), QPoint(75, 37), QPoint(10, 5), QPoint(90, 70)}) {
        const QColor got = decoded.pixelColor(at), want = plain.pixelColor(at);
        QVERIFY2(qAbs(got.red() - want.red()) + qAbs(got.green() - want.green()) +
                         qAbs(got.blue() - want.blue()) + qAbs(got.alpha() - want.alpha()) <=
                     12,
                 qPrintable(got.name(QColor::HexArgb) + " not " + want.name(QColor::HexArgb)));
    }
}

void TestNoteLoadSave::boundsAHugeSizeAndKeepsItStored()
{
    NoteFixture fixture;
    NoteState state = sampleState(QString(), QString());
    state.width = 450000; // 30000 pixels
    state.height = 3000;
    NoteWindow *note = fixture.open("huge.dat", state.toRecord().toBytes());
    QVERIFY(note);
    QCOMPARE(note->size(), QSize(8192, 200));
    note->resize(9000, 9000); // asked by the window system
    QCOMPARE(note->size(), QSize(8192, 8192));
    note->close();
    QCOMPARE(NoteFile::load(fixture.path("huge.dat")).record.field(NoteRecord::Width),
             QStringLiteral("450000"));
}

void TestNoteLoadSave::showsPartOfALongMemoAndKeepsItWhole_data()
{
    QTest::addColumn<QString>("memo");
    // A pasted hash list: one run without a break, longer than word breaking handles quickly.
    QTest::newRow("unbroken run") << QString(300000, QLatin1Char('f'));
    QTest::newRow("one paragraph of words") << QStringLiteral("lorem ipsum ").repeated(25000);
    QTest::newRow("paragraphs and lines")
        << (QStringLiteral("付箋紙").repeated(3000) + QStringLiteral("\n\nshort\n")).repeated(20);
}

// The label shows the part that fits; the edit box holds the memo whole,
// typed into at its end and with Backspace and Delete where a long paragraph
// is held in pieces; what is copied and what is written are the memo.
void TestNoteLoadSave::showsPartOfALongMemoAndKeepsItWhole()
{
    QFETCH(QString, memo);
    NoteFixture fixture;
    NoteState state = sampleState(QString(), QString());
    state.memo = memo;
    NoteWindow *note = fixture.open("long.dat", state.toRecord().toBytes());
    QVERIFY(note);
    auto *label = note->findChild<MemoLabel *>("memoLabel");
    QCOMPARE(label->memo(), state.memo);
    QVERIFY(label->text().size() < 20000);
    QVERIFY(state.memo.startsWith(label->text()));
    QTest::mouseClick(label, Qt::LeftButton);
    MemoEdit *edit = note->memoEdit();
    QCOMPARE(edit->memo(), memo);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    edit->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), memo);
    // Backspace at the start of the second piece, Delete at the end of the first.
    const QTextBlock second = edit->document()->findBlockByNumber(1);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(second.position());
    edit->setTextCursor(cursor);
    const int first = second.previous().length() - 1;
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Delete);
    memo.remove(first - 1, 2);
    QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(edit, "end");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->memo(), memo + QLatin1String("end\n"));
    QTest::mouseClick(note->findChild<NoteSurface *>("surface"), Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(edit->isHidden());
    note->close();
    QCOMPARE(NoteFile::load(fixture.path("long.dat")).record.field(NoteRecord::Memo),
             memo + QLatin1String("end\n"));
}

// The window system gives the note the keyboard late (a busy machine): what
// is typed meanwhile reaches the window that had it, and goes to the memo.
void TestNoteLoadSave::keysTypedBeforeTheNoteHasTheKeyboardReachTheMemo()
{
    NoteFixture fixture;
    NoteState state = sampleState(QString(), QString());
    state.memo.clear();
    NoteWindow *note = fixture.open("1.dat", state.toRecord().toBytes());
    QVERIFY(note);
    QWidget before;
    before.show();
    QTest::mouseClick(note->findChild<MemoLabel *>("memoLabel"), Qt::LeftButton);
    MemoEdit *edit = note->memoEdit();
    QTest::keyClicks(&before, "Me");
    QTest::keyClicks(edit, "mo");
    // Once the memo has the keyboard, keys elsewhere are meant for where they go.
    QTest::keyClicks(&before, "x");
    QCOMPARE(edit->memo(), QStringLiteral("Memo"));
    // A screen reader reads the note by its memo once the edit ends.
    QVERIFY(note->accessibleDescription().isEmpty());
    QTest::mouseClick(note->findChild<NoteSurface *>("surface"), Qt::LeftButton, {}, QPoint(3, 3));
    QTRY_COMPARE(note->accessibleDescription(), QStringLiteral("Memo"));
}

void TestNoteLoadSave::showsAFileChangedOutside_data()
{
    QTest::addColumn<bool>("typed");
    QTest::newRow("while the memo's edit is open") << false;
    QTest::newRow("while the user types into the memo") << true;
}

// Another program renames a new file over the note's while the user edits
// its memo: what the user typed and what the other program wrote both stay.
void TestNoteLoadSave::showsAFileChangedOutside()
{
    QFETCH(bool, typed);
    NoteFixture fixture;
    const NoteState state = sampleState(QString(), QString());
    NoteWindow *note = fixture.open("1.dat", state.toRecord().toBytes());
    QVERIFY(note);
    QTest::mouseClick(note->findChild<MemoLabel *>("memoLabel"), Qt::LeftButton);
    MemoEdit *edit = note->memoEdit();
    if (typed)
        QTest::keyClicks(edit, "mine");
    NoteState outside = state;
    outside.left = 3000;
    outside.memo = QStringLiteral("theirs");
    QSaveFile file(fixture.path("1.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(outside.toRecord().toBytes());
    QVERIFY(file.commit());
    note->folderChanged(FileStamp::of(fixture.path("1.dat")));

    QCOMPARE(note->x(), 200);
    const QString mine = QStringLiteral("mine") + state.memo;
    QCOMPARE(edit->memo(), typed ? mine : outside.memo);
    QTest::mouseClick(note->findChild<NoteSurface *>("surface"), Qt::LeftButton, {}, QPoint(3, 3));
    note->close();
    const NoteRecord kept = NoteFile::load(fixture.path("1.dat")).record;
    QCOMPARE(kept.field(NoteRecord::Memo), typed ? mine : outside.memo);
    QCOMPARE(kept.field(NoteRecord::Left), QStringLiteral("3000"));
    const QStringList copies = QDir(fixture.dir.path()).entryList({"1.conflict-*.dat"});
    QCOMPARE(copies.size(), typed ? 1 : 0);
    if (typed)
        QCOMPARE(NoteFile::load(fixture.path(copies[0])).record, outside.toRecord());
}

void TestNoteLoadSave::survivesHostileInputs_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray tail = ",1,1,3000,3000,0,f,9,0,0,0,0,m,\r\n";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << QByteArray("x");
    QTest::newRow("commas only") << QByteArray(40, ',');
    QTest::newRow("binary") << QByteArray::fromHex("00ff10fe8182eeff00000a0d2c2c2c");
    QTest::newRow("invalid cp932") << QByteArray::fromHex("81ff2c8240822c82");
    QTest::newRow("huge numbers") << QByteArray(
        "a,1e30,-1e30,1e30,1e30,-1,f,1e30,2147483648,yes,x,-0,");
    QTest::newRow("nan") << QByteArray("a,NaN,NaN,NaN,NaN,&H&,,NaN,&HFFFFFFFF&,,,,");
    QTest::newRow("negative size") << QByteArray("a,-500,-500,-3000,-3000,0,f,-9,0,0,0,0,,");
    QTest::newRow("50 MB line") << QByteArray(50 * 1024 * 1024, 'z');
    QTest::newRow("picture is a folder") << QByteArray("/tmp") + tail;
    QTest::newRow("picture is a device") << QByteArray("/dev/zero") + tail;
    QTest::newRow("10000 fields") << QByteArray(10000, ',').replace(",", "1,");
    QTest::newRow("beyond single precision")
        << QByteArray("a,1e39,-1e39,1e39,-1e39,1e39,f,1e39,-1e39,1e39,") + tail;
    NoteState bigMemo;
    bigMemo.width = 3000;
    bigMemo.height = 3000;
    bigMemo.memo = QString(350000, QChar(u'付')) + QStringLiteral(", café\n");
    QTest::newRow("1 MB memo") << bigMemo.toRecord().toBytes();
}

void TestNoteLoadSave::survivesHostileInputs()
{
    QFETCH(QByteArray, bytes);
    NoteFixture fixture;
    QElapsedTimer timer;
    timer.start();
    NoteWindow *note = fixture.open("h.dat", bytes);
    QVERIFY(note);
    QVERIFY(timer.elapsed() < 20000);
    QCOMPARE(NoteFiles::read(fixture.path("h.dat")), bytes);
    QVERIFY(note->width() >= NoteLayout::minimumWindowSize().width());
    QVERIFY(note->height() >= NoteLayout::minimumWindowSize().height());
    // Closed unchanged, the note leaves its file alone.
    note->close();
    QCOMPARE(NoteFiles::read(fixture.path("h.dat")), bytes);
}

QTEST_MAIN(TestNoteLoadSave)
#include "tst_noteloadsave.moc"
