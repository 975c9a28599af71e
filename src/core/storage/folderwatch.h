// SPDX-License-Identifier: MIT
#pragma once

#include "core/posix/filestamp.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <chrono>

class QFileSystemWatcher;
class QTimer;
class SlowReads;

/**
 * Watches the notes folder for what other programs do to it (sync tools,
 * file managers, an editor): a note file written, added, deleted or moved
 * away, the folder itself renamed or removed. The system's notices come at
 * once; a look every few seconds stands in where there are none (network
 * shares). Each look lists the folder on a read thread, since a stalled
 * share must not stop the windows, and reports what it found.
 */
class FolderWatch final : public QObject
{
    Q_OBJECT
public:
    /** What one look at the folder found. */
    struct Scan
    {
        bool folderThere = false;
        /** The note files, as NoteFile::notesIn() lists them. */
        QStringList notes;
        /** How each of those stands. */
        QHash<QString, FileStamp> stamps;
    };

    struct Delays
    {
        /** After a notice, so that a burst of them (a sync writing many files) makes one look. */
        std::chrono::milliseconds settle{150};
        /** Between two looks when no notice comes. */
        std::chrono::milliseconds rescan{5000};
    };

    FolderWatch(const QString &folder, SlowReads &reads, QObject *parent, Delays delays);
    FolderWatch(const QString &folder, SlowReads &reads, QObject *parent);

    /** Starts watching; a first look follows the settle delay. */
    void start();
    /** A look soon, as after a notice. */
    void look();

    /**
     * Watches the files at @p paths too, so that one rewritten in place is
     * noticed at once: only the notes shown, since a folder may hold
     * thousands of files and the system's watches are few. A file replaced
     * by a rename is watched again when it is named again.
     */
    void watchFiles(const QStringList &paths);

    /** What a look at @p folder finds; runs on any thread. */
    static Scan scan(const QString &folder);

signals:
    void scanned(const FolderWatch::Scan &scan);

private:
    void lookNow();
    void watchWhatWasFound(const Scan &scan);

    QString m_folder;
    SlowReads &m_reads;
    QFileSystemWatcher *m_watcher;
    QTimer *m_settleTimer;
    QTimer *m_rescanTimer;
    /** A look runs; a notice meanwhile makes another once it is back. */
    bool m_looking = false;
    bool m_lookAgain = false;
};
