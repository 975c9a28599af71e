// SPDX-License-Identifier: MIT
#include "core/storage/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

namespace {
// Removes what stands at @p path unless it is a lock of a copy on this
// host, live or crashed (the lock file itself takes over a crashed one's).
// Only a regular file is read: a fifo would block the start for good.
void clearForeign(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    if (info.isDir() && !info.isSymLink()) {
        QDir().rmdir(path); // an empty one only: nothing of the user's goes
        return;
    }
    if (info.isFile() && !info.isSymLink()) {
        QLockFile lock(path);
        qint64 pid = 0;
        QString host;
        QString application;
        if (lock.getLockInfo(&pid, &host, &application) && host == QSysInfo::machineHostName())
            return;
    }
    QFile::remove(path);
}

// Whether a copy of an earlier version runs on @p folder, with its lock in
// the folder; a lock of it that no copy holds is removed with its socket.
bool folderLockHeld(const QString &folder)
{
    const QString path = SingleInstance::folderLockPath(folder);
    clearForeign(path);
    QLockFile lock(path);
    lock.setStaleLockTime(0);
    if (QFileInfo::exists(path) && !lock.tryLock(0))
        return lock.error() == QLockFile::LockFailedError;
    lock.unlock();
    QFile::remove(QDir(folder).filePath(QStringLiteral(".quillnote.socket")));
    return false;
}

QString runtimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QFileInfo info(runtime);
    return !runtime.isEmpty() && info.isDir() && info.isWritable() ? runtime : QString();
}
} // namespace

SingleInstance::SingleInstance(const QString &folder)
    : m_folder(folder), m_lock(std::make_unique<QLockFile>(lockPath(folder)))
{
    // A copy that crashed leaves its lock behind; QLockFile takes it over when
    // its process is gone. No running copy holds its lock long enough to age.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    clearForeign(m_lock->fileName());
    if (m_lock->fileName() != folderLockPath(m_folder) && folderLockHeld(m_folder))
        return false;
    if (m_lock->tryLock(0))
        return true;
    // Only another live copy refuses; a lock that cannot be written at all
    // (a full or read-only runtime folder) does not keep the program from starting.
    return m_lock->error() != QLockFile::LockFailedError;
}

void SingleInstance::release()
{
    if (m_lock->isLocked())
        m_lock->unlock();
}

QString SingleInstance::lockPath(const QString &folder)
{
    const QString runtime = runtimeFolder();
    if (runtime.isEmpty())
        return folderLockPath(folder);
    const QFileInfo info(folder);
    const QString path =
        info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(runtime).filePath(
        QStringLiteral("quillnote-%1.lock").arg(QString::fromLatin1(hash.left(16))));
}

QString SingleInstance::folderLockPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral(".quillnote.lock"));
}
