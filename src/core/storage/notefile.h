// SPDX-License-Identifier: MIT
#pragma once

#include "core/posix/filestamp.h"
#include "core/record/noterecord.h"
#include "core/storage/picturepath.h"

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

class QDateTime;

Q_DECLARE_LOGGING_CATEGORY(lcNoteFile)

/**
 * Reading, writing, listing and deleting note files. Every write replaces
 * the file atomically, so a crash or a full disk leaves the previous content
 * whole. Failures are returned and logged to the category
 * "quillnote.notefile".
 */
namespace NoteFile {
/** The most of a note file that is read; a longer file is read only this far. */
constexpr qint64 readLimit = 128 * 1024 * 1024;

/** What a note file held, and whether the program may write over it. */
struct Contents
{
    Contents() = default;
    Contents(NoteRecord record, bool trusted, FileStamp stamp = {})
        : record(std::move(record)), trusted(trusted), stamp(stamp)
    {
    }

    NoteRecord record;
    /**
     * The file was read whole, did not change while it was read, and holds a
     * record. A note read from any other file leaves it as it is until the
     * user changes that note.
     */
    bool trusted = false;
    /** The file as it was read: a later stamp that differs means another program wrote it. */
    FileStamp stamp;
    /** Where the pictures it names are, looked up in the file's folder when not where named. */
    PicturePath picture;
    PicturePath background;
};

/** How a write went: done, or the reason it was not. */
struct Result
{
    Result() = default;
    Result(bool done, QString error, bool refused = false)
        : done(done), error(std::move(error)), refused(refused)
    {
    }

    bool done = false;
    QString error;
    /**
     * Not written by the rules, not for a fault: the file is gone, read-only
     * or a link to a file that is no note.
     */
    bool refused = false;
    /** The file as this write left it. */
    FileStamp stamp;

    explicit operator bool() const { return done; }
    /** Not written for a fault, one the user should hear of. */
    bool failed() const { return !done && !refused; }
};

/**
 * The record of the file at @p path; one that cannot be read gives empty
 * fields. A file that changes while it is read is read again, a few times.
 */
Contents load(const QString &path);

/**
 * Writes @p record over the note file at @p path, but only while that file
 * can still be read and written: a note whose file is gone is not written
 * again, a read-only note file stays as it is, and a link is followed only
 * to another note file. The old file stays whole until the new one is on the
 * disk; where the folder takes no new file, or the file has other names
 * (hard links), it is rewritten in place, after its space is reserved. A
 * record larger than a read takes is not written.
 */
[[nodiscard]] Result save(const QString &path, const NoteRecord &record);

/** Writes @p record as a new note file at @p path. */
[[nodiscard]] Result create(const QString &path, const NoteRecord &record);

/**
 * Takes the note file at @p path out of the folder: into the desktop's
 * trash, where the user can restore it, or deleted where there is no trash
 * for it. True when it is gone, also when it was gone already.
 */
bool discard(const QString &path);

/**
 * The note files of @p folder, as full paths: the entries whose names end
 * in ".dat" in any case and that are files or links to files (folders,
 * fifos, devices and broken links are no notes), in name order without
 * regard to case.
 */
QStringList notesIn(const QString &folder);

/**
 * The name of a new note file: the seconds since 2002-01-01 local time at
 * @p now, in decimal with at most 15 significant digits, then ".dat".
 */
QString newName(const QDateTime &now);

/**
 * A path beside the note file @p path for a copy of it that another program
 * wrote, kept at @p now, as sync tools name theirs: "1.conflict-20261208-101500.dat".
 * It names no existing file.
 */
QString conflictPath(const QString &path, const QDateTime &now);

/** A path in @p folder for a new note made at @p now that names no existing file. */
QString newPath(const QString &folder, const QDateTime &now);
} // namespace NoteFile
