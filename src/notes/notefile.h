// SPDX-License-Identifier: MIT
#pragma once

#include "noterecord.h"

#include <QString>

class QDateTime;

/**
 * Reading and writing note files. Every write replaces the file atomically,
 * so a crash or a full disk leaves the previous content whole.
 */
class NoteFile final
{
public:
    /** The most of a note file that is read; a longer file is read only this far. */
    static constexpr qint64 readLimit = 32 * 1024 * 1024;

    /** The record of the file at @p path; one that cannot be read gives empty fields. */
    static NoteRecord read(const QString &path);

    /**
     * Writes @p record over the note file at @p path, but only while that file
     * can still be read and written: a note whose file is gone is not written
     * again, and a read-only note file stays as it is.
     */
    static bool save(const QString &path, const NoteRecord &record, QString *error = nullptr);

    /** Writes @p record as a new note file at @p path. */
    static bool create(const QString &path, const NoteRecord &record, QString *error = nullptr);

    /**
     * The name of a new note file: the seconds since 2002-01-01 local time at
     * @p now, in decimal with at most 15 significant digits, then ".dat".
     */
    static QString newName(const QDateTime &now);

    /** A path in @p folder for a new note made at @p now that names no existing file. */
    static QString newPath(const QString &folder, const QDateTime &now);

private:
    static QString nameFor(double seconds);
    static bool write(const QString &path, const NoteRecord &record, QString *error);
};
