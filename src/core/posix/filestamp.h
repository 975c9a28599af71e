// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

/**
 * What tells one state of a file from another without reading it: its size,
 * modification time, inode and device. A file replaced by a rename (as sync
 * tools write) has a new inode even when its size and time are the same.
 */
struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;

    /** The stamp of the file that @p path names (a link followed); no file gives !exists. */
    static FileStamp of(const QString &path);

    bool operator==(const FileStamp &other) const = default;
};
