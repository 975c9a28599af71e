// SPDX-License-Identifier: MIT
#include "core/storage/notefile.h"

#include "core/posix/filesystem.h"
#include "core/record/decimaltext.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

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

// A write that the rules leave out: not worth a warning.
NoteFile::Result refuse(const QString &message)
{
    return {false, message, true};
}

QString nameFor(double seconds)
{
    return DecimalText::format(seconds, 15) + QLatin1String(".dat");
}

constexpr int readAttempts = 4;

// What went wrong with the last step on @p file: its own error, or what the system said.
QString problem(const QFileDevice &file, const QString &systemReason)
{
    return systemReason.isEmpty() ? file.errorString() : systemReason;
}

// A new file beside the old one, renamed over it once every byte is on the
// disk: the data waits in a buffer until the flush, so a full disk is seen
// before the old file is replaced.
NoteFile::Result writeReplacing(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(path, file.errorString());
    QString reason;
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        !(reason = FileSystem::syncToDisk(file.handle())).isEmpty()) {
        const QString message = problem(file, reason);
        file.cancelWriting();
        return fail(path, message);
    }
    if (!file.commit())
        return fail(path, file.errorString());
    // The new name is in the folder, which is not on the disk before it is synced.
    FileSystem::syncFolder(QFileInfo(path).absolutePath());
    return {true, {}};
}

// The old file rewritten where it stands, its space taken first so that a
// full disk stops the write before any byte of the note changes.
NoteFile::Result writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return fail(path, file.errorString());
    QString reason = FileSystem::reserve(file.handle(), bytes.size());
    if (!reason.isEmpty())
        return fail(path, reason);
    if (file.write(bytes) != bytes.size() || !file.resize(bytes.size()) || !file.flush() ||
        !(reason = FileSystem::syncToDisk(file.handle())).isEmpty())
        return fail(path, problem(file, reason));
    return {true, {}};
}

bool folderTakesNewFiles(const QString &path)
{
    return QFileInfo(QFileInfo(path).absolutePath()).isWritable();
}

NoteFile::Result writeBytes(const QString &path, const NoteRecord &record)
{
    const QByteArray bytes = record.toBytes();
    if (bytes.size() > NoteFile::readLimit)
        return fail(path, QStringLiteral("the note is larger than a note file may be"));
    // A link is written through to the note file it names.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : path;
    if (info.exists() && (FileSystem::linkCount(target) > 1 || !folderTakesNewFiles(target)))
        return writeInPlace(target, bytes);
    return writeReplacing(target, bytes);
}

NoteFile::Result write(const QString &path, const NoteRecord &record)
{
    NoteFile::Result result = writeBytes(path, record);
    if (result)
        result.stamp = FileStamp::of(path);
    return result;
}

// The pictures a note names, looked up where they are: on the read
// thread, since a picture on a stalled share must not stop the windows.
NoteFile::Contents found(NoteFile::Contents contents, const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    contents.picture = PicturePath::find(contents.record.field(NoteRecord::PicturePath), folder);
    contents.background =
        PicturePath::find(contents.record.field(NoteRecord::BackgroundPath), folder);
    return contents;
}

bool isNoteName(const QString &path)
{
    return path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive);
}
} // namespace

Q_LOGGING_CATEGORY(lcNoteFile, "quillnote.notefile", QtWarningMsg)

NoteFile::Contents NoteFile::load(const QString &path)
{
    QByteArray bytes;
    for (int attempt = 0; attempt < readAttempts; ++attempt) {
        // Only a regular file is opened: a fifo or a device would block or never end.
        if (!QFileInfo(path).isFile())
            return {};
        const FileStamp before = FileStamp::of(path);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        // Read as much as the file holds, not a buffer of the largest size allowed.
        bytes = file.read(qBound<qint64>(0, file.size(), readLimit));
        if (FileStamp::of(path) != before)
            continue;
        const bool whole = bytes.size() == before.size;
        return found(
            {NoteRecord::fromBytes(bytes), whole && NoteRecord::holdsRecord(bytes), before}, path);
    }
    qCWarning(lcNoteFile, "%s kept changing while it was read",
              qUtf8Printable(QDir::toNativeSeparators(path)));
    return found({NoteRecord::fromBytes(bytes), false}, path);
}

NoteFile::Result NoteFile::save(const QString &path, const NoteRecord &record)
{
    QFile existing(path);
    if (!existing.open(QIODevice::ReadOnly)) {
        // Without its folder the file is not gone for good: the folder was
        // moved or its share went away, and the note waits for it to be back.
        if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
            return fail(path, QStringLiteral("the notes folder is not there"));
        return refuse(existing.errorString());
    }
    existing.close();
    // The permission bits decide, also for an administrator whom the system would let write.
    const QFileInfo info(path);
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!info.isWritable() || !(info.permissions() & anyWrite))
        return refuse(QStringLiteral("the file is read-only"));
    if (info.isSymLink() && !isNoteName(info.canonicalFilePath()))
        return refuse(QStringLiteral("the file is a link to a file that is no note"));
    return write(path, record);
}

NoteFile::Result NoteFile::create(const QString &path, const NoteRecord &record)
{
    return write(path, record);
}

namespace {
// The toolkit puts a file into the current folder when the user's data
// folder, where the trash lives, is missing (a fresh account): it is made
// first, and where it cannot be, no trash is used.
bool canUseTrash(const QString &path)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QFileInfo(path).isFile() && !data.isEmpty() && QDir().mkpath(data);
}
} // namespace

bool NoteFile::discard(const QString &path)
{
    QFile file(path);
    if ((canUseTrash(path) && file.moveToTrash()) || file.remove() || !QFile::exists(path))
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

QString NoteFile::conflictPath(const QString &path, const QDateTime &now)
{
    const QFileInfo note(path);
    const QString stem =
        note.dir().filePath(note.completeBaseName() + QStringLiteral(".conflict-") +
                            now.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString copy = stem + QStringLiteral(".dat");
    for (int number = 2; QFileInfo::exists(copy) || QFileInfo(copy).isSymLink(); ++number)
        copy = stem + QStringLiteral("-%1.dat").arg(number);
    return copy;
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
