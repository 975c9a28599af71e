// SPDX-License-Identifier: MIT
#include "core/record/notestate.h"
#include "core/storage/notefile.h"
#include "core/storage/notesfolder.h"
#include "support/fulldisk.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

NoteRecord memoRecord(const QString &memo)
{
    NoteState state;
    state.memo = memo;
    return state.toRecord();
}
} // namespace

class TestNoteFile final : public QObject
{
    Q_OBJECT
private slots:
    void namesNewNotesBySeconds_data();
    void namesNewNotesBySeconds();
    void neverReusesAName();
    void savesOnlyAnExistingWritableFile();
    void readsAnUnreadableFileAsEmpty();
    void readsAHugeFileOnlySoFar();
    void fullDiskLeavesTheOldFileWhole_data();
    void fullDiskLeavesTheOldFileWhole();
    void trustsOnlyWholeRecords_data();
    void trustsOnlyWholeRecords();
    void writesWhatItReadsBackWhole();
    void followsLinksOnlyToNotes();
    void savesInAFolderThatTakesNoNewFile();
    void choosesTheNotesFolder_data();
    void choosesTheNotesFolder();
    void findsPicturesThatTravelWithTheFolder_data();
    void findsPicturesThatTravelWithTheFolder();

private:
    QTemporaryDir m_dir;
};

void TestNoteFile::namesNewNotesBySeconds_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("name");
    const QDate day(2011, 6, 15);
    QTest::newRow("quarter second") << QDateTime(day, QTime(2, 3, 35, 250)) << "298260215.25.dat";
    QTest::newRow("single precision")
        << QDateTime(day, QTime(12, 34, 56, 270)) << "298298096.269531.dat";
    QTest::newRow("midnight") << QDateTime(day, QTime(0, 0)) << "298252800.dat";
    QTest::newRow("first day") << QDateTime(QDate(2002, 1, 1), QTime(0, 0, 1)) << "1.dat";
}

void TestNoteFile::namesNewNotesBySeconds()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, name);
    QCOMPARE(NoteFile::newName(now), name);
}

void TestNoteFile::neverReusesAName()
{
    const QDateTime now(QDate(2011, 6, 15), QTime(2, 3, 35, 250));
    const QString first = NoteFile::newPath(m_dir.path(), now);
    QCOMPARE(first, m_dir.filePath("298260215.25.dat"));
    QVERIFY(NoteFile::create(first, memoRecord("first")));
    const QString second = NoteFile::newPath(m_dir.path(), now);
    QCOMPARE(second, m_dir.filePath("298260215.26.dat"));
    QVERIFY(NoteFile::create(second, memoRecord("second")));
    QCOMPARE(NoteFile::load(first).record.field(NoteRecord::Memo), QStringLiteral("first"));
}

void TestNoteFile::savesOnlyAnExistingWritableFile()
{
    const QString path = m_dir.filePath("save.dat");
    QVERIFY(!NoteFile::save(path, memoRecord("gone")));
    QVERIFY(!QFile::exists(path));

    writeBytes(path, "old\r\n");
    QVERIFY(NoteFile::save(path, memoRecord("new")));
    QCOMPARE(NoteFile::load(path).record.field(NoteRecord::Memo), QStringLiteral("new"));

    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    const QByteArray before = contents(path);
    QVERIFY(!NoteFile::save(path, memoRecord("read-only")));
    QCOMPARE(contents(path), before);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

void TestNoteFile::readsAnUnreadableFileAsEmpty()
{
    QCOMPARE(NoteFile::load(m_dir.filePath("missing.dat")).record, NoteRecord());
    QCOMPARE(NoteFile::load(m_dir.path()).record, NoteRecord());
    const QString fifo = m_dir.filePath("fifo.dat");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(NoteFile::load(fifo).record, NoteRecord()); // must not block
}

void TestNoteFile::readsAHugeFileOnlySoFar()
{
    const QString path = m_dir.filePath("huge.dat");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block(1024 * 1024, 'x');
        for (qint64 i = 0; i <= NoteFile::readLimit / block.size(); ++i)
            QCOMPARE(file.write(block), block.size());
    }
    const NoteFile::Contents contents = NoteFile::load(path);
    QCOMPARE(contents.record.field(NoteRecord::PicturePath).size(), NoteFile::readLimit);
    QVERIFY(contents.record.field(NoteRecord::Left).isEmpty());
    QVERIFY(!contents.trusted);
}

void TestNoteFile::fullDiskLeavesTheOldFileWhole_data()
{
    QTest::addColumn<int>("memoLength");
    QTest::addColumn<int>("fileLimit");
    QTest::addColumn<bool>("hardLink");
    QTest::newRow("larger than the write buffer") << 100000 << 4096 << false;
    // The record waits in the write buffer: the disk is found full only when it is flushed.
    QTest::newRow("within the write buffer") << 40 << 16 << false;
    QTest::newRow("rewritten in place") << 100000 << 4096 << true;
}

void TestNoteFile::fullDiskLeavesTheOldFileWhole()
{
    QFETCH(int, memoLength);
    QFETCH(int, fileLimit);
    QFETCH(bool, hardLink);
    QTemporaryDir dir;
    const QString path = dir.filePath("full.dat");
    const QByteArray old = memoRecord("old").toBytes();
    writeBytes(path, old);
    if (hardLink)
        QCOMPARE(::link(qPrintable(path), qPrintable(dir.filePath("other.dat"))), 0);
    // The disk fills up: no file may grow past the limit while the note saves.
    FullDisk disk;
    QVERIFY(disk.fill(rlim_t(fileLimit)));
    const NoteFile::Result saved = NoteFile::save(path, memoRecord(QString(memoLength, u'x')));
    QVERIFY(disk.free());
    QVERIFY(!saved);
    QVERIFY(!saved.error.isEmpty());
    QCOMPARE(contents(path), old);
    QStringList expected{"full.dat"};
    if (hardLink)
        expected.append("other.dat");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
    // Nor does a new note leave a file behind.
    QVERIFY(disk.fill(16));
    const NoteFile::Result created = NoteFile::create(dir.filePath("new.dat"), memoRecord("x"));
    QVERIFY(disk.free());
    QVERIFY(!created);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
}

void TestNoteFile::trustsOnlyWholeRecords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("trusted");
    QTest::newRow("a saved note") << memoRecord("m").toBytes() << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("cut short") << memoRecord("m").toBytes().left(20) << false;
    QTest::newRow("thirteen fields") << QByteArray("a,1,1,1,1,0,f,9,0,0,0,0,m\r\n") << false;
    QTest::newRow("fourteen, no line end") << QByteArray("a,1,1,1,1,0,f,9,0,0,0,0,m,") << true;
}

void TestNoteFile::trustsOnlyWholeRecords()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, trusted);
    const QString path = m_dir.filePath("t.dat");
    writeBytes(path, bytes);
    QCOMPARE(NoteFile::load(path).trusted, trusted);
}

void TestNoteFile::writesWhatItReadsBackWhole()
{
    const QString path = m_dir.filePath("long.dat");
    writeBytes(path, "old\r\n");
    // 5 MiB of memo, half of it outside code page 932: every character comes back.
    const QString memo = QString(5 * 512 * 1024, u'付') + QString(5 * 512 * 1024, u'é');
    QVERIFY(NoteFile::save(path, memoRecord(memo)));
    const NoteFile::Contents back = NoteFile::load(path);
    QVERIFY(back.trusted);
    QCOMPARE(back.record.field(NoteRecord::Memo), memo);
    // A record larger than a read takes is not written at all.
    const QByteArray before = contents(path);
    QVERIFY(!NoteFile::save(path, memoRecord(QString(NoteFile::readLimit + 1, u'x'))));
    QCOMPARE(contents(path), before);
}

void TestNoteFile::followsLinksOnlyToNotes()
{
    QTemporaryDir elsewhere;
    const QString note = elsewhere.filePath("kept.dat");
    const QString other = elsewhere.filePath("settings.conf");
    writeBytes(note, "old\r\n");
    writeBytes(other, "key=value\r\nmore=lines\r\n");
    QVERIFY(QFile::link(note, m_dir.filePath("to-note.dat")));
    QVERIFY(QFile::link(other, m_dir.filePath("to-other.dat")));
    QVERIFY(NoteFile::save(m_dir.filePath("to-note.dat"), memoRecord("through")));
    QCOMPARE(NoteFile::load(note).record.field(NoteRecord::Memo), QStringLiteral("through"));
    QVERIFY(QFileInfo(m_dir.filePath("to-note.dat")).isSymLink());
    QVERIFY(!NoteFile::save(m_dir.filePath("to-other.dat"), memoRecord("never")));
    QCOMPARE(contents(other), QByteArray("key=value\r\nmore=lines\r\n"));
    // A note with two names keeps both the same.
    QCOMPARE(::link(qPrintable(note), qPrintable(m_dir.filePath("second.dat"))), 0);
    QVERIFY(NoteFile::save(m_dir.filePath("second.dat"), memoRecord("both")));
    QCOMPARE(contents(note), contents(m_dir.filePath("second.dat")));
    QCOMPARE(NoteFile::load(note).record.field(NoteRecord::Memo), QStringLiteral("both"));
}

void TestNoteFile::savesInAFolderThatTakesNoNewFile()
{
    const QString folder = m_dir.filePath("locked");
    QVERIFY(QDir(m_dir.path()).mkdir("locked"));
    const QString path = folder + "/n.dat";
    writeBytes(path, "old\r\n");
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const NoteFile::Result saved = NoteFile::save(path, memoRecord("in place"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(saved);
    QCOMPARE(NoteFile::load(path).record.field(NoteRecord::Memo), QStringLiteral("in place"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"n.dat"});
}

void TestNoteFile::choosesTheNotesFolder_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<bool>("dataFolder");
    QTest::newRow("copied into a folder") << "quillnote" << QStringList{"quillnote"} << false;
    QTest::newRow("installed prefix") << "usr/bin" << QStringList{"usr/bin", "usr/share"} << true;
    QTest::newRow("a bin folder of the user's") << "tools/bin" << QStringList{"tools/bin"} << false;
}

void TestNoteFile::choosesTheNotesFolder()
{
    QFETCH(QString, program);
    QFETCH(QStringList, folders);
    QFETCH(bool, dataFolder);
    QTemporaryDir root;
    for (const QString &folder : folders)
        QVERIFY(QDir(root.path()).mkpath(folder));
    const QString data = root.filePath("home/.local/share/quillnote");
    const QString chosen = NotesFolder::choose(root.filePath(program), data);
    QCOMPARE(chosen, dataFolder ? data : root.filePath(program));
    QCOMPARE(QFileInfo(data).isDir(), dataFolder);
    if (dataFolder)
        QCOMPARE(QFileInfo(data).permissions() & 0x0077, QFileDevice::Permissions());
}

void TestNoteFile::findsPicturesThatTravelWithTheFolder_data()
{
    // "@" is a folder beside the notes folder "@/notes", which holds
    // pictures/p.png and a.png; "" found: read where the path names it.
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("found");
    QTest::newRow("where it is named") << "@/elsewhere/e.png"
                                       << "";
    QTest::newRow("in another notes folder's pictures") << "/home/x/quillnote/pictures/p.png"
                                                        << "@/notes/pictures/p.png";
    QTest::newRow("a Windows path") << "C:\\Users\\x\\quillnote\\pictures\\p.png"
                                    << "@/notes/pictures/p.png";
    QTest::newRow("a relative path") << "a.png"
                                     << "@/notes/a.png";
    QTest::newRow("a relative path to nothing") << "gone.png"
                                                << "@/notes/gone.png";
    QTest::newRow("missing, in no pictures folder") << "/nowhere/p.png"
                                                    << "";
    QTest::newRow("missing here too") << "/home/x/pictures/q.png"
                                      << "";
    QTest::newRow("a folder that only ends so") << "/home/x/mypictures/p.png"
                                                << "";
    QTest::newRow("no picture") << ""
                                << "";
}

void TestNoteFile::findsPicturesThatTravelWithTheFolder()
{
    QFETCH(QString, named);
    QFETCH(QString, found);
    const QString root = m_dir.path();
    QVERIFY(QDir(root).mkpath("notes/pictures") && QDir(root).mkpath("elsewhere"));
    for (const char *file : {"notes/pictures/p.png", "notes/a.png", "elsewhere/e.png"})
        writeBytes(m_dir.filePath(file), "picture");
    named.replace(u'@', root);
    const PicturePath path = PicturePath::find(named, m_dir.filePath("notes"));
    QCOMPARE(path.found, found.replace(u'@', root));
    QCOMPARE(path.named, named);
}

QTEST_GUILESS_MAIN(TestNoteFile)
#include "tst_notefile.moc"
