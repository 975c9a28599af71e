// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/**
 * A picture path as a note file names it, and where that picture is. A
 * notes folder that travels (a sync tool, another user name, another mount
 * point, a copy from Windows) keeps full paths that are wrong where it
 * arrives: a path under a "pictures" folder of any notes folder, and a
 * relative path, are looked up in this notes folder instead. The note file
 * keeps the path it named until the user changes the picture.
 */
struct PicturePath
{
    /** The path as the note file names it. */
    QString named;
    /** Where the picture is when that is elsewhere; empty when it is where it is named. */
    QString found;

    /** The path to read the picture from. */
    QString shown() const { return found.isEmpty() ? named : found; }
    /** What the file keeps for a note that shows @p shown: the named path while it shows that. */
    QString forFile(const QString &shownNow) const
    {
        return shownNow == shown() ? named : shownNow;
    }

    /** Where the picture @p named by a note of @p notesFolder is; asks the file system. */
    static PicturePath find(const QString &named, const QString &notesFolder);
};
