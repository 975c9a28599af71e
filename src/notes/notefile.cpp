// SPDX-License-Identifier: MIT
#include "notefile.h"

#include "decimaltext.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const QDate epoch(2002, 1, 1);

double secondsSinceEpoch(const QDateTime &now)
{
    const qint64 days = epoch.daysTo(now.date());
    const float sinceMidnight = static_cast<float>(now.time().msecsSinceStartOfDay() / 1000.0);
    return static_cast<double>(days) * 86400.0 + static_cast<double>(sinceMidnight);
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}
} // namespace

NoteRecord NoteFile::read(const QString &path)
{
    // Only a regular file is opened: a fifo or a device would block or never end.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Read as much as the file holds, not a buffer of the largest size allowed.
    return NoteRecord::fromBytes(file.read(qBound<qint64>(0, file.size(), readLimit)));
}

bool NoteFile::save(const QString &path, const NoteRecord &record, QString *error)
{
    QFile existing(path);
    if (!existing.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path),
                                                        existing.errorString()));
    existing.close();
    // The permission bits decide, also for an administrator whom the system would let write.
    const QFileInfo info(path);
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!info.isWritable() || !(info.permissions() & anyWrite))
        return fail(error, QStringLiteral("%1 is read-only").arg(QDir::toNativeSeparators(path)));
    return write(path, record, error);
}

bool NoteFile::create(const QString &path, const NoteRecord &record, QString *error)
{
    return write(path, record, error);
}

bool NoteFile::write(const QString &path, const NoteRecord &record, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    const QByteArray bytes = record.toBytes();
    if (file.write(bytes) != bytes.size()) {
        const QString message = file.errorString();
        file.cancelWriting();
        return fail(error, message);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

QString NoteFile::newName(const QDateTime &now)
{
    return nameFor(secondsSinceEpoch(now));
}

QString NoteFile::nameFor(double seconds)
{
    return DecimalText::format(seconds, 15) + QLatin1String(".dat");
}

QString NoteFile::newPath(const QString &folder, const QDateTime &now)
{
    const QDir dir(folder);
    double seconds = secondsSinceEpoch(now);
    QString path = dir.filePath(nameFor(seconds));
    // Two notes made at one clock reading must not share a file.
    while (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        seconds += 0.01;
        path = dir.filePath(nameFor(seconds));
    }
    return path;
}
