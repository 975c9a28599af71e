// SPDX-License-Identifier: MIT
#include "core/posix/filesystem.h"

#include "core/posix/filestamp.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
} // namespace

int FileSystem::linkCount(const QString &path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return 1;
    return static_cast<int>(status.st_nlink);
}

QString FileSystem::reserve(int descriptor, qint64 size)
{
    if (size <= 0)
        return {};
    const int error = ::posix_fallocate(descriptor, 0, static_cast<off_t>(size));
    // A file system that cannot reserve space says so; the write then finds out.
    if (error == 0 || error == EOPNOTSUPP || error == EINVAL)
        return {};
    return reason(error);
}

QString FileSystem::syncToDisk(int descriptor)
{
    if (::fsync(descriptor) == 0 || errno == EINVAL || errno == EROFS)
        return {};
    return reason(errno);
}

FileStamp FileStamp::of(const QString &path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    const qint64 modified = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    return {true, qint64(status.st_size), modified, quint64(status.st_ino), quint64(status.st_dev)};
}

void FileSystem::syncFolder(const QString &folder)
{
    const int descriptor =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}
#else
int FileSystem::linkCount(const QString &)
{
    return 1;
}

QString FileSystem::reserve(int, qint64)
{
    return {};
}

QString FileSystem::syncToDisk(int)
{
    return {};
}

void FileSystem::syncFolder(const QString &) {}

FileStamp FileStamp::of(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch() * 1000000, 0, 0};
}
#endif
