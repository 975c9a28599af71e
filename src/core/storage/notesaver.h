// SPDX-License-Identifier: MIT
#pragma once

#include "core/record/noterecord.h"
#include "core/record/notestate.h"
#include "core/storage/notefile.h"

#include <QObject>

#include <chrono>
#include <functional>

class QTimer;

/**
 * When a note writes its file: soon after each change that the user
 * completes, after a pause in typing, and when the note closes; each time
 * only when what the note shows differs from what its file holds, so that a
 * file the user did not change is left alone (another program may have
 * written it since). Never once the note is discarded, never before its
 * file has been read, and not over a file that did not read as a whole
 * record until the user changes the note.
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
    /** The note closes: written now if it differs from its file, and never again. */
    void close();
    /** The note is discarded: its file is never written again. */
    void discard() { m_discarded = true; }

    bool isClosed() const { return m_closed; }
    /** Whether a write is waiting for its delay. */
    bool isPending() const;
    bool isDiscarded() const { return m_discarded; }
    /** How the last write went. */
    NoteFile::Result lastSave() const { return m_lastSave; }
    /** The record that the last write could not put on the disk, for another try. */
    NoteRecord unwritten() const { return m_unwritten; }

private:
    NoteFile::Result saveIfChanged();
    void writeIfChanged();

    bool m_writeOnChange;
    State m_state;
    QString m_path;
    QTimer *m_saveTimer;
    QTimer *m_typingTimer;
    /** What the note file holds: what the note showed when it had loaded, or wrote last. */
    NoteState m_fileHolds;
    /** The file has not been read yet, or did not read as a whole record. */
    bool m_keepFile = true;
    NoteFile::Result m_lastSave;
    NoteRecord m_unwritten;
    bool m_closed = false;
    bool m_discarded = false;
};
