// SPDX-License-Identifier: MIT
#include "core/storage/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &folder)
    : m_lock(std::make_unique<QLockFile>(lockPath(folder)))
{
    // A copy that crashed leaves its lock behind; QLockFile takes it over when
    // its process is gone. No running copy holds its lock long enough to age.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    if (m_lock->tryLock(0))
        return true;
    // Only another live copy refuses; a lock that cannot be written at all
    // (a full or read-only temporary folder) does not keep the program from starting.
    return m_lock->error() != QLockFile::LockFailedError;
}

void SingleInstance::release()
{
    if (m_lock->isLocked())
        m_lock->unlock();
}

QString SingleInstance::lockPath(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir() && info.isWritable())
        return QDir(folder).filePath(QStringLiteral(".quillnote.lock"));
    // A folder that takes no new file: the user's own runtime folder, which
    // no other user can write, holds the lock under the folder's real name.
    const QString path =
        info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(runtime).filePath(
        QStringLiteral("quillnote-%1.lock").arg(QString::fromLatin1(hash.left(16))));
}
