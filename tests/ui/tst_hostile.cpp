// SPDX-License-Identifier: MIT
#include "core/reads/picturereads.h"
#include "core/record/notestate.h"
#include "core/storage/notefile.h"
#include "ui/note/pictureview.h"
#include "ui/notefixture.h"
#include "ui/shell/mainwindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <future>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {
long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

class TestHostile final : public QObject
{
    Q_OBJECT
private slots:
    void survivesHostilePictures_data();
    void survivesHostilePictures();
    void startUpSkipsWhatIsNoNoteFile();
    // Last: reads that ran out of time make the next ones go without waiting for a while.
    void startUpGoesOnWithoutReadsThatBlock();
};

void TestHostile::survivesHostilePictures_data()
{
    QTest::addColumn<QString>("picture");
    const QString hostile = QStringLiteral(QUILLNOTE_TEST_DATA "/hostile/");
    for (const char *name :
         {"truncated.jpg", "truncated.png", "empty.png", "text.jpg", "frames.gif", "bomb.png"})
        QTest::newRow(name) << hostile + QLatin1String(name);
    QTest::newRow("folder") << QDir::tempPath();
    QTest::newRow("device") << QStringLiteral("/dev/zero");
    QTest::newRow("fifo") << QStringLiteral("fifo");
    QTest::newRow("link to itself") << QStringLiteral("loop");
}

// Each picture, as the note picture and as the background picture: the note
// opens at once, its file is untouched until its save, and the save writes
// what the window showed. Memory stays bounded (a decoded bomb would be 40 GB).
void TestHostile::survivesHostilePictures()
{
    QFETCH(QString, picture);
    NoteFixture fixture;
    if (picture == QLatin1String("fifo")) {
        picture = fixture.path("fifo.png");
        QCOMPARE(mkfifo(QFile::encodeName(picture).constData(), 0600), 0);
    } else if (picture == QLatin1String("loop")) {
        picture = fixture.path("loop.png");
        QVERIFY(QFile::link(picture, picture));
    }
    NoteState state;
    state.picturePath = picture;
    state.width = 3000;
    state.height = 3000;
    state.memo = QStringLiteral("memo");
    state.backgroundPath = picture;
    const QByteArray bytes = state.toRecord().toBytes();
    QElapsedTimer timer;
    timer.start();
    NoteWindow *note = fixture.open("h.dat", bytes);
    QVERIFY(note);
    QVERIFY2(timer.elapsed() < 20000, "the note took too long to open");
    auto *view = note->findChild<PictureView *>();
    QTRY_VERIFY(!view->isDecoding());
    QVERIFY(view->pixels().width() <= 1000);
    // A picture that shows nothing is laid out as a missing one: the design's box.
    if (view->pixels().isNull()) {
        QCOMPARE(note->pictureRatio(), 1.0f);
        QCOMPARE(note->findChild<QWidget *>("memoLabel")->y(), 189);
    }
    QVERIFY(peakResidentKiB() < 1024 * 1024);
    QCOMPARE(NoteFiles::read(fixture.path("h.dat")), bytes);
    QCOMPARE(note->state().picturePath, picture);
    note->close();
    QCOMPARE(NoteFiles::read(fixture.path("h.dat")), bytes);
}

void TestHostile::startUpSkipsWhatIsNoNoteFile()
{
    NoteFixture fixture;
    QVERIFY(NoteFiles::write(fixture.path("1.dat"), NoteState::newNoteRecord("x", 0, 0).toBytes()));
    QCOMPARE(mkfifo(QFile::encodeName(fixture.path("2.dat")).constData(), 0600), 0);
    QVERIFY(QDir(fixture.dir.path()).mkdir("3.dat"));
    QVERIFY(QFile::link(fixture.path("gone"), fixture.path("4.dat")));
    QVERIFY(QFile::link(fixture.path("5.dat"), fixture.path("5.dat")));
    MainWindow window(fixture.seams.seams);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(window.start());
    QVERIFY(timer.elapsed() < 20000);
    QCOMPARE(window.noteCount(), qint16(1));
    QCOMPARE(window.note(0)->notePath(), fixture.path("1.dat"));
    window.shutdown();
    QVERIFY(QFileInfo(fixture.path("3.dat")).isDir());
    QVERIFY(QFileInfo(fixture.path("4.dat")).isSymLink());
}

namespace {
// A read that waits for @p go, as one on a network share that stopped answering.
std::unique_ptr<QIODevice> openAfter(const std::shared_future<void> &go, const QString &path)
{
    if (go.valid())
        go.wait();
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return nullptr;
    return file;
}
} // namespace

// A note whose picture's header blocks shows at once in the design's box and
// takes its picture's shape when the header comes; a note whose file blocks
// opens when it has been read, and is not written at an exit before that.
void TestHostile::startUpGoesOnWithoutReadsThatBlock()
{
    NoteFixture fixture;
    std::promise<void> pictureRead;
    std::promise<void> noteRead;
    const std::shared_future<void> pictureGo = pictureRead.get_future().share();
    const std::shared_future<void> noteGo = noteRead.get_future().share();
    PictureReads blocking([pictureGo](const QString &path) {
        return path.endsWith(QLatin1String("stalled.png")) ? openAfter(pictureGo, path)
                                                           : openAfter({}, path);
    });
    fixture.seams.seams.reads = &blocking;
    fixture.seams.seams.readNote = [noteGo](const QString &path) {
        if (path.endsWith(QLatin1String("1.dat")))
            noteGo.wait();
        return NoteFile::load(path);
    };
    QVERIFY(NoteFiles::picture(fixture.path("stalled.png"), QSize(40, 20), Qt::red));
    QVERIFY(NoteFiles::picture(fixture.path("plain.png"), QSize(30, 30), Qt::blue));
    const QByteArray stalledNote =
        NoteState::newNoteRecord(fixture.path("plain.png"), 0, 0).toBytes();
    QVERIFY(NoteFiles::write(fixture.path("1.dat"), stalledNote));
    QVERIFY(
        NoteFiles::write(fixture.path("2.dat"),
                         NoteState::newNoteRecord(fixture.path("stalled.png"), 0, 0).toBytes()));
    MainWindow window(fixture.seams.seams);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(window.start());
    QVERIFY2(timer.elapsed() < 10000, "start-up waited for the blocked reads");
    QVERIFY(window.isVisible());
    // The first note, still unread, holds the second one back only briefly.
    QTRY_VERIFY(window.note(1)->isVisible());
    QCOMPARE(window.note(1)->pictureRatio(), 1.0f);
    QVERIFY(!window.note(0)->isVisible());

    pictureRead.set_value();
    QTRY_COMPARE(window.note(1)->pictureRatio(), 0.5f);
    window.shutdown();
    QCOMPARE(NoteFiles::read(fixture.path("1.dat")), stalledNote);
    noteRead.set_value();
    QTest::qWait(100);
    QVERIFY(window.note(0) == nullptr || !window.note(0)->isVisible());
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
