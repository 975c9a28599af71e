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

NoteFile::Result fail(const QString &path, const QString &message)
{
    qCWarning(lcNoteFile, "%s not written: %s", qUtf8Printable(QDir::toNativeSeparators(path)),
              qUtf8Printable(message));
    return {false, message};
}

QString nameFor(double seconds)
{
    return DecimalText::format(seconds, 15) + QLatin1String(".dat");
}

NoteFile::Result write(const QString &path, const NoteRecord &record)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(path, file.errorString());
    const QByteArray bytes = record.toBytes();
    if (file.write(bytes) != bytes.size()) {
        const QString message = file.errorString();
        file.cancelWriting();
        return fail(path, message);
    }
    if (!file.commit())
        return fail(path, file.errorString());
    return {true, {}};
}
} // namespace

Q_LOGGING_CATEGORY(lcNoteFile, "quillnote.notefile", QtWarningMsg)

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

NoteFile::Result NoteFile::save(const QString &path, const NoteRecord &record)
{
    QFile existing(path);
    if (!existing.open(QIODevice::ReadOnly))
        return fail(path, existing.errorString());
    existing.close();
    // The permission bits decide, also for an administrator whom the system would let write.
    const QFileInfo info(path);
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!info.isWritable() || !(info.permissions() & anyWrite))
        return fail(path, QStringLiteral("the file is read-only"));
    return write(path, record);
}

NoteFile::Result NoteFile::create(const QString &path, const NoteRecord &record)
{
    return write(path, record);
}

bool NoteFile::remove(const QString &path)
{
    QFile file(path);
    if (file.remove() || !QFile::exists(path))
        return true;
    qCWarning(lcNoteFile, "%s not deleted: %s", qUtf8Printable(QDir::toNativeSeparators(path)),
              qUtf8Printable(file.errorString()));
    return false;
}

QStringList NoteFile::notesIn(const QString &folder)
{
    // A name filter of QDir matches without regard to case; QDir::Files takes
    // files and links to them, and leaves out folders, broken links and the
    // system entries (fifos, devices, sockets).
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    paths.reserve(names.size());
    for (const QString &name : names)
        paths.append(dir.filePath(name));
    return paths;
}

QString NoteFile::newName(const QDateTime &now)
{
    return nameFor(secondsSinceEpoch(now));
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
