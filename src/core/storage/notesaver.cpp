// SPDX-License-Identifier: MIT
#include "core/storage/notesaver.h"

#include "core/record/notemerge.h"

#include <QDateTime>
#include <QFile>
#include <QTimer>

NoteSaver::NoteSaver(QObject *parent, bool writeOnChange, State state)
    : NoteSaver(parent, writeOnChange, std::move(state), Delays{})
{
}

NoteSaver::NoteSaver(QObject *parent, bool writeOnChange, State state, Delays delays)
    : QObject(parent), m_writeOnChange(writeOnChange), m_state(std::move(state)), m_delays(delays),
      m_saveTimer(new QTimer(this)), m_typingTimer(new QTimer(this)),
      m_retryTimer(new QTimer(this)), m_stuckTimer(new QTimer(this)), m_nextRetry(delays.firstRetry)
{
    const auto singleShot = [this](QTimer *timer, std::chrono::milliseconds delay, auto slot) {
        timer->setSingleShot(true);
        timer->setInterval(delay);
        connect(timer, &QTimer::timeout, this, slot);
    };
    singleShot(m_saveTimer, delays.change, &NoteSaver::writeIfChanged);
    singleShot(m_typingTimer, delays.typing, &NoteSaver::changed);
    singleShot(m_retryTimer, delays.firstRetry, &NoteSaver::writeIfChanged);
    singleShot(m_stuckTimer, delays.stuck, [this] { setStuck(true); });
}

void NoteSaver::loaded(const NoteFile::Contents &contents, const NoteState &shown)
{
    m_loaded = true;
    m_keepFile = !contents.trusted;
    m_fileHolds = shown;
    m_fileRecord = contents.record;
    m_fileStamp = contents.stamp;
}

void NoteSaver::changed()
{
    if (m_closed || m_discarded || m_gone || !m_writeOnChange)
        return;
    // A file that did not read is left alone until the note differs from what it showed.
    if (m_keepFile && m_state() == m_fileHolds)
        return;
    m_keepFile = false;
    m_saveTimer->start();
}

bool NoteSaver::isPending() const
{
    return m_saveTimer->isActive() || m_typingTimer->isActive();
}

void NoteSaver::typed()
{
    m_typingTimer->start();
}

void NoteSaver::forgetTyping()
{
    m_typingTimer->stop();
}

void NoteSaver::folderChanged(const FileStamp &now)
{
    // Until its file has been read the note has nothing to compare with.
    if (!m_loaded || m_closed || m_discarded || m_gone)
        return;
    if (!now.exists) {
        // Deleted or moved away by the user elsewhere: nothing of it is written again.
        m_gone = true;
        m_saveTimer->stop();
        m_retryTimer->stop();
        setStuck(false);
        emit fileGone();
        return;
    }
    const bool unwritten = isPending() || m_retryTimer->isActive() || m_state() != m_fileHolds;
    if (unwritten) {
        // The note's own change goes in now, joined with whatever came from outside.
        if (m_writeOnChange && !m_keepFile) {
            m_saveTimer->stop();
            writeIfChanged();
        }
        return;
    }
    if (now == m_fileStamp)
        return;
    const NoteFile::Contents disk = NoteFile::load(m_path);
    // A file still being written, or one that holds no note, is looked at again at the next change.
    if (!disk.trusted)
        return;
    m_fileStamp = disk.stamp;
    if (disk.record != m_fileRecord)
        emit fileChanged(disk);
}

void NoteSaver::close()
{
    if (m_closed)
        return;
    m_closed = true;
    m_saveTimer->stop();
    m_typingTimer->stop();
    m_retryTimer->stop();
    m_stuckTimer->stop();
    // A note left alone, discarded or gone has nothing that could fail to be written.
    m_lastSave = m_discarded || m_keepFile || m_gone ? NoteFile::Result{true, {}} : saveIfChanged();
    // A closed note is no longer counted as one that cannot write: the exit names it if it failed.
    setStuck(false);
}

// A note that shows what its file holds has nothing to write: the write
// would only put the same note over what another program may have put there.
NoteFile::Result NoteSaver::saveIfChanged()
{
    // What the note shows is asked once: after a drag that asks the window system.
    const NoteState shown = m_state();
    if (shown == m_fileHolds)
        return {true, {}};
    const NoteRecord ownRecord = shown.toRecord();
    // The note's changes over the file's own texts, so that a field left alone keeps its form.
    const NoteRecord ours = NoteMerge::changesOver(m_fileRecord, m_fileHolds.toRecord(), ownRecord);
    NoteRecord record = ownRecord;
    const std::optional<NoteFile::Contents> outside = changeOutside();
    if (outside) {
        const std::optional<NoteRecord> joined = joinedWith(*outside, ours, ownRecord);
        if (!joined) {
            m_unwritten = ownRecord;
            return {false, QStringLiteral("the copy that another program wrote could not be kept")};
        }
        record = *joined;
    }
    const NoteFile::Result result = NoteFile::save(m_path, record);
    if (!result) {
        m_unwritten = record;
        return result;
    }
    m_fileHolds = shown;
    m_fileRecord = record;
    m_fileStamp = result.stamp;
    // What came from outside is shown as a load of the file shows it.
    if (outside && outside->trusted && record != ours && !m_closed)
        emit fileChanged({record, true, result.stamp});
    return result;
}

// The file as it stands now, when another program wrote it since this note
// last read or wrote it; nothing when only its stamp changed.
std::optional<NoteFile::Contents> NoteSaver::changeOutside()
{
    const FileStamp now = FileStamp::of(m_path);
    if (!now.exists || now == m_fileStamp)
        return std::nullopt;
    NoteFile::Contents disk = NoteFile::load(m_path);
    if (disk.trusted && disk.record == m_fileRecord) {
        m_fileStamp = disk.stamp;
        return std::nullopt;
    }
    return disk;
}

// The note's own changes over what the other program wrote; the other
// side's whole file is kept beside it where both changed a field, or where
// it holds no record to join with. Nothing when that copy could not be made.
std::optional<NoteRecord> NoteSaver::joinedWith(const NoteFile::Contents &outside,
                                                const NoteRecord &ours, const NoteRecord &ownRecord)
{
    if (!outside.trusted)
        return keepCopy(outside) ? std::optional(ownRecord) : std::nullopt;
    const NoteMerge::Merged merged = NoteMerge::merge(m_fileRecord, ours, outside.record);
    if (merged.conflict && !keepCopy(outside))
        return std::nullopt;
    return merged.record;
}

bool NoteSaver::keepCopy(const NoteFile::Contents &outside)
{
    const QString copy = NoteFile::conflictPath(m_path, QDateTime::currentDateTime());
    // A record is written as the other program wrote it; what holds none is copied byte for byte.
    const bool kept =
        outside.trusted ? bool(NoteFile::create(copy, outside.record)) : QFile::copy(m_path, copy);
    if (kept)
        emit copyKept(copy);
    return kept;
}

void NoteSaver::writeIfChanged()
{
    if (m_closed || m_discarded || m_keepFile || m_gone)
        return;
    m_lastSave = saveIfChanged();
    retryIfFailed();
}

// A write that failed for a fault (a full disk, a folder gone for now) is
// tried again, sooner at first, and the user is told once it has failed
// long enough; a file gone or read-only is not tried again.
void NoteSaver::retryIfFailed()
{
    if (m_lastSave.failed()) {
        m_retryTimer->start(m_nextRetry);
        m_nextRetry = std::min(m_nextRetry * 2, m_delays.longestRetry);
        if (!m_stuckTimer->isActive() && !m_stuck)
            m_stuckTimer->start();
        return;
    }
    m_nextRetry = m_delays.firstRetry;
    m_retryTimer->stop();
    m_stuckTimer->stop();
    setStuck(false);
}

void NoteSaver::setStuck(bool stuck)
{
    if (m_stuck == stuck)
        return;
    m_stuck = stuck;
    emit stuckChanged(stuck);
}
