// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QLockFile;

/**
 * Tells whether another copy of the program already runs on a notes
 * folder on this machine. The lock lives in the user's runtime folder, not
 * in the notes folder: a sync tool never carries it to another machine, and
 * two machines sharing one folder each run their own copy. Whatever stands
 * where the lock goes and is no live copy's lock (a crashed copy's, an empty
 * or garbage file, a folder, a link, a fifo) is replaced, never waited on.
 */
class SingleInstance final
{
public:
    explicit SingleInstance(const QString &folder);
    ~SingleInstance();

    /**
     * Takes the folder's lock; false when another running copy holds it (or
     * the lock an earlier version kept in the notes folder). What earlier
     * versions left in the notes folder is removed once it is no live copy's.
     */
    bool acquire();
    /** Gives the lock up, so that the next copy starts at once; nothing when it is not held. */
    void release();

    /**
     * Where the lock of @p folder lives: in the user's runtime folder, named
     * after the folder's real path; in the folder itself, under a hidden name
     * that is no note's, when there is no runtime folder to be had.
     */
    static QString lockPath(const QString &folder);
    /** Where earlier versions kept the lock: in the notes folder. */
    static QString folderLockPath(const QString &folder);

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
};
