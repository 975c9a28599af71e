// SPDX-License-Identifier: MIT
#include "core/storage/singleinstance.h"
#include "support/notefiles.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <memory>

namespace {
// What a lock file says: the process, the program, the host.
QByteArray lockText(qint64 pid, const QString &host)
{
    return QByteArray::number(pid) + "\nquillnote\n" + host.toUtf8() + "\n";
}

qint64 deadProcess()
{
    QProcess dead;
    dead.start(QStringLiteral("true"), {});
    dead.waitForFinished();
    return dead.processId() > 0 ? dead.processId() : 999999;
}

// Puts @p kind at @p path, as a crash, a sync tool or a stray program leaves it.
bool plant(const QString &path, const QString &kind)
{
    if (kind == QLatin1String("nothing"))
        return true;
    if (kind == QLatin1String("a crashed copy's"))
        return NoteFiles::write(path, lockText(deadProcess(), QSysInfo::machineHostName()));
    if (kind == QLatin1String("another host's"))
        return NoteFiles::write(path, lockText(1, QStringLiteral("elsewhere.example")));
    if (kind == QLatin1String("empty"))
        return NoteFiles::write(path, QByteArray());
    if (kind == QLatin1String("garbage"))
        return NoteFiles::write(path, QByteArray("\x01\xfe not a lock\n", 14));
    if (kind == QLatin1String("a folder"))
        return QDir().mkdir(path);
    if (kind == QLatin1String("a link"))
        return QFile::link(path + QLatin1String(".gone"), path);
    if (kind == QLatin1String("a fifo"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    return false;
}
} // namespace

class TestSingleInstance final : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void replacesWhatIsNoLiveCopysLock_data();
    void replacesWhatIsNoLiveCopysLock();
    void refusesWhileACopyRuns_data();
    void refusesWhileACopyRuns();

private:
    std::unique_ptr<QTemporaryDir> m_runtime;
};

// Each test has a runtime folder of its own, private as the desktop makes it.
void TestSingleInstance::init()
{
    m_runtime = std::make_unique<QTemporaryDir>();
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
    QVERIFY(QFile::setPermissions(m_runtime->path(), QFileDevice::ReadOwner |
                                                         QFileDevice::WriteOwner |
                                                         QFileDevice::ExeOwner));
}

void TestSingleInstance::replacesWhatIsNoLiveCopysLock_data()
{
    // Where it stands: the lock's own place, or the notes folder, where
    // earlier versions kept it (and a sync tool may bring one).
    QTest::addColumn<bool>("inFolder");
    QTest::addColumn<QString>("kind");
    for (const bool inFolder : {false, true})
        for (const char *kind : {"nothing", "a crashed copy's", "another host's", "empty",
                                 "garbage", "a folder", "a link", "a fifo"})
            QTest::addRow("%s, %s", inFolder ? "in the notes folder" : "in its place", kind)
                << inFolder << QString::fromLatin1(kind);
}

void TestSingleInstance::replacesWhatIsNoLiveCopysLock()
{
    QFETCH(bool, inFolder);
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QVERIFY(SingleInstance::lockPath(folder.path()).startsWith(m_runtime->path()));
    const QString planted = inFolder ? SingleInstance::folderLockPath(folder.path())
                                     : SingleInstance::lockPath(folder.path());
    QVERIFY(plant(planted, kind));
    SingleInstance instance(folder.path());
    QVERIFY(instance.acquire());
    // The lock is this copy's now, in its place; nothing is left in the notes folder.
    QLockFile other(SingleInstance::lockPath(folder.path()));
    QVERIFY(!other.tryLock(0));
    QCOMPARE(QDir(folder.path())
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
             QStringList());
    instance.release();
    QVERIFY(!QFileInfo::exists(SingleInstance::lockPath(folder.path())));
}

void TestSingleInstance::refusesWhileACopyRuns_data()
{
    QTest::addColumn<bool>("inFolder");
    QTest::newRow("a copy of this version") << false;
    QTest::newRow("a copy of an earlier version, locking the notes folder") << true;
}

void TestSingleInstance::refusesWhileACopyRuns()
{
    QFETCH(bool, inFolder);
    QTemporaryDir folder;
    QLockFile running(inFolder ? SingleInstance::folderLockPath(folder.path())
                               : SingleInstance::lockPath(folder.path()));
    QVERIFY(running.tryLock(0));
    SingleInstance second(folder.path());
    QVERIFY(!second.acquire());
    QVERIFY(running.isLocked());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
