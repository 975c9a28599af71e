// SPDX-License-Identifier: MIT
#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

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

QString SingleInstance::lockPath(const QString &folder)
{
    const QByteArray key = QFileInfo(folder).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("quillnote-%1.lock").arg(QString::fromLatin1(hash.left(16))));
}
