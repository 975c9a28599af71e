// SPDX-License-Identifier: MIT
#pragma once

#include "support/notefiles.h"
#include "support/testseams.h"
#include "ui/desktop/picker.h"
#include "ui/note/notewindow.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

/** A program folder with scripted seams in which tests open note windows. */
class NoteFixture
{
public:
    NoteFixture() : seams(dir.path()), picker(&seams.picker) {}

    QString path(const QString &name) const { return dir.filePath(name); }

    /** Opens a note window for the note file @p name holding @p bytes, as start-up does. */
    NoteWindow *open(const QString &name, const QByteArray &bytes)
    {
        if (!NoteFiles::write(path(name), bytes))
            return nullptr;
        return open(name);
    }

    NoteWindow *open(const QString &name)
    {
        auto *note = new NoteWindow(seams.seams, &picker);
        notes.append(note);
        note->setNotePath(path(name));
        note->load(NoteFile::load(note->notePath()));
        // Shown, as start-up shows it, once its picture has its shape.
        if (!QTest::qWaitFor([note] { return note->isSettled(); }))
            return nullptr;
        note->show();
        return QTest::qWaitForWindowExposed(note) ? note : nullptr;
    }

    ~NoteFixture()
    {
        for (const QPointer<NoteWindow> &note : std::as_const(notes))
            delete note.data();
    }

    QTemporaryDir dir;
    TestSeams seams;
    Picker picker;
    QList<QPointer<NoteWindow>> notes;
};
