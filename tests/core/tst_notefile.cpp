// SPDX-License-Identifier: MIT
#include "notes/notefile.h"
#include "notes/notestate.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

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
    void fullDiskLeavesTheOldFileWhole();

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
    QCOMPARE(NoteFile::read(first).field(NoteRecord::Memo), QStringLiteral("first"));
}

void TestNoteFile::savesOnlyAnExistingWritableFile()
{
    const QString path = m_dir.filePath("save.dat");
    QVERIFY(!NoteFile::save(path, memoRecord("gone")));
    QVERIFY(!QFile::exists(path));

    writeBytes(path, "old\r\n");
    QVERIFY(NoteFile::save(path, memoRecord("new")));
    QCOMPARE(NoteFile::read(path).field(NoteRecord::Memo), QStringLiteral("new"));

    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    const QByteArray before = contents(path);
    QVERIFY(!NoteFile::save(path, memoRecord("read-only")));
    QCOMPARE(contents(path), before);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

void TestNoteFile::readsAnUnreadableFileAsEmpty()
{
    QCOMPARE(NoteFile::read(m_dir.filePath("missing.dat")), NoteRecord());
    QCOMPARE(NoteFile::read(m_dir.path()), NoteRecord());
    const QString fifo = m_dir.filePath("fifo.dat");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(NoteFile::read(fifo), NoteRecord()); // must not block
}

void TestNoteFile::readsAHugeFileOnlySoFar()
{
    const QString path = m_dir.filePath("huge.dat");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block(1024 * 1024, 'x');
        for (int i = 0; i < 50; ++i)
            QCOMPARE(file.write(block), block.size());
    }
    const NoteRecord record = NoteFile::read(path);
    QCOMPARE(record.field(NoteRecord::PicturePath).size(), 4 * 1024 * 1024);
    QVERIFY(record.field(NoteRecord::Left).isEmpty());
}

void TestNoteFile::fullDiskLeavesTheOldFileWhole()
{
    const QString path = m_dir.filePath("full.dat");
    const QByteArray old = memoRecord("old").toBytes();
    writeBytes(path, old);
    // The disk fills up: no file may grow past 4 KiB while the note saves.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit unlimited = limit;
    limit.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const NoteFile::Result saved = NoteFile::save(path, memoRecord(QString(100000, u'x')));
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &unlimited), 0);
    QVERIFY(!saved);
    QVERIFY(!saved.error.isEmpty());
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(m_dir.path()).entryList({"full.dat*"}, QDir::Files | QDir::Hidden),
             QStringList{"full.dat"});
}

QTEST_GUILESS_MAIN(TestNoteFile)
#include "tst_notefile.moc"
