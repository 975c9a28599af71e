// SPDX-License-Identifier: MIT
#include "core/storage/notesaver.h"

#include <QTimer>

NoteSaver::NoteSaver(QObject *parent, bool writeOnChange, State state)
    : NoteSaver(parent, writeOnChange, std::move(state), Delays{})
{
}

NoteSaver::NoteSaver(QObject *parent, bool writeOnChange, State state, Delays delays)
    : QObject(parent), m_writeOnChange(writeOnChange), m_state(std::move(state)),
      m_saveTimer(new QTimer(this)), m_typingTimer(new QTimer(this))
{
    m_saveTimer->setSingleShot(true);
    m_saveTimer->setInterval(delays.change);
    connect(m_saveTimer, &QTimer::timeout, this, &NoteSaver::writeIfChanged);
    m_typingTimer->setSingleShot(true);
    m_typingTimer->setInterval(delays.typing);
    connect(m_typingTimer, &QTimer::timeout, this, &NoteSaver::changed);
}

void NoteSaver::loaded(const NoteFile::Contents &contents, const NoteState &shown)
{
    m_keepFile = !contents.trusted;
    m_fileHolds = shown;
}

void NoteSaver::changed()
{
    if (m_closed || m_discarded || !m_writeOnChange)
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

void NoteSaver::close()
{
    if (m_closed)
        return;
    m_closed = true;
    m_saveTimer->stop();
    m_typingTimer->stop();
    // A note left alone or discarded has nothing that could fail to be written.
    m_lastSave = m_discarded || m_keepFile ? NoteFile::Result{true, {}} : saveIfChanged();
}

// A note that shows what its file holds has nothing to write: the write
// would only put the same note over what another program may have put there.
NoteFile::Result NoteSaver::saveIfChanged()
{
    // What the note shows is asked once: after a drag that asks the window system.
    const NoteState shown = m_state();
    if (shown == m_fileHolds)
        return {true, {}};
    const NoteRecord record = shown.toRecord();
    const NoteFile::Result result = NoteFile::save(m_path, record);
    if (result)
        m_fileHolds = shown;
    else
        m_unwritten = record;
    return result;
}

void NoteSaver::writeIfChanged()
{
    if (!m_closed && !m_discarded && !m_keepFile)
        m_lastSave = saveIfChanged();
}
