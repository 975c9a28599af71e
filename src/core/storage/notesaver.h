// SPDX-License-Identifier: MIT
#pragma once

#include "core/posix/filestamp.h"
#include "core/record/noterecord.h"
#include "core/record/notestate.h"
#include "core/storage/notefile.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <optional>

class QTimer;

/**
 * When a note writes its file: soon after each change that the user
 * completes, after a pause in typing, and when the note closes; each time
 * only when what the note shows differs from what its file holds, so that a
 * file the user did not change is left alone (another program may have
 * written it since). Never once the note is discarded or its file has gone,
 * never before its file has been read, and not over a file that did not
 * read as a whole record until the user changes the note.
 *
 * The notes folder may be shared with other programs: before each write the
 * file is compared with what this note last read or wrote, and a change
 * made outside is joined with the note's own (NoteMerge), never written
 * over. A write that fails is tried again until it succeeds.
 */
class NoteSaver final : public QObject
{
    Q_OBJECT
public:
    /** What the note shows, as its file keeps it. */
    using State = std::function<NoteState()>;

    /** How long the saver waits before it writes. */
    struct Delays
    {
        /** After a completed change, so that changes made together are written once. */
        std::chrono::milliseconds change{500};
        /** After the last key typed: typed text is written once the typing pauses. */
        std::chrono::milliseconds typing{2000};
        /** The first wait before a failed write is tried again; each later one is twice as long. */
        std::chrono::milliseconds firstRetry{1000};
        /** The longest wait between two tries. */
        std::chrono::milliseconds longestRetry{30000};
        /** How long a change may go unwritten before the user is told. */
        std::chrono::milliseconds stuck{10000};
    };

    /** Writes only when the note closes unless @p writeOnChange. */
    NoteSaver(QObject *parent, bool writeOnChange, State state);
    NoteSaver(QObject *parent, bool writeOnChange, State state, Delays delays);

    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }

    /** The file was read as @p contents, and the note now shows @p shown. */
    void loaded(const NoteFile::Contents &contents, const NoteState &shown);
    /** The user completed a change: written soon if the note differs from its file. */
    void changed();
    /** The user typed: written once the typing pauses. */
    void typed();
    /** What was put in the memo was no typing, or the typing was written otherwise. */
    void forgetTyping();
    /**
     * The notes folder changed and the file now stands as @p now: a change
     * made outside is shown (fileChanged()) or joined with the note's own,
     * a write that failed is tried again at once, a file that is gone is
     * reported (fileGone()).
     */
    void folderChanged(const FileStamp &now);
    /** The note closes: written now if it differs from its file, and never again. */
    void close();
    /** The note is discarded: its file is never written again. */
    void discard() { m_discarded = true; }

    bool isClosed() const { return m_closed; }
    /** Whether a write is waiting for its delay. */
    bool isPending() const;
    bool isDiscarded() const { return m_discarded; }
    /** Whether a change has gone unwritten for longer than the stuck delay. */
    bool isStuck() const { return m_stuck; }
    /** How the last write went. */
    NoteFile::Result lastSave() const { return m_lastSave; }
    /** The record that the last write could not put on the disk, for another try. */
    NoteRecord unwritten() const { return m_unwritten; }

signals:
    /** Another program changed the file: the note is to show @p contents, as a fresh load. */
    void fileChanged(const NoteFile::Contents &contents);
    /** The file was deleted or moved away: the note is to close without writing. */
    void fileGone();
    /** Another program's record of the note was kept at @p path, a note file of its own. */
    void copyKept(const QString &path);
    /** isStuck() changed. */
    void stuckChanged(bool stuck);

private:
    NoteFile::Result saveIfChanged();
    void writeIfChanged();
    std::optional<NoteFile::Contents> changeOutside();
    std::optional<NoteRecord> joinedWith(const NoteFile::Contents &outside, const NoteRecord &ours,
                                         const NoteRecord &ownRecord);
    bool keepCopy(const NoteFile::Contents &outside);
    void retryIfFailed();
    void setStuck(bool stuck);

    bool m_writeOnChange;
    State m_state;
    Delays m_delays;
    QString m_path;
    QTimer *m_saveTimer;
    QTimer *m_typingTimer;
    QTimer *m_retryTimer;
    QTimer *m_stuckTimer;
    std::chrono::milliseconds m_nextRetry;
    /** What the note file holds: what the note showed when it had loaded, or wrote last. */
    NoteState m_fileHolds;
    /** The file's record as this note last read or wrote it, and the file as it stood then. */
    NoteRecord m_fileRecord;
    FileStamp m_fileStamp;
    bool m_loaded = false;
    /** The file has not been read yet, or did not read as a whole record. */
    bool m_keepFile = true;
    NoteFile::Result m_lastSave;
    NoteRecord m_unwritten;
    bool m_closed = false;
    bool m_discarded = false;
    bool m_gone = false;
    bool m_stuck = false;
};
