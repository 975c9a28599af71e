// SPDX-License-Identifier: MIT
#pragma once

#include "core/record/noterecord.h"
#include "core/record/twips.h"
#include "core/storage/folderwatch.h"
#include "core/storage/notefile.h"
#include "ui/desktop/picker.h"
#include "ui/desktop/seams.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QUrl>

#include <array>
#include <functional>
#include <memory>

class FileHandoff;
class NoteWindow;
class QMimeData;
class QWidget;
class ShowingOrder;
class SingleInstance;

/**
 * Keeps the notes of one notes folder: the folder's lock and the hand-over
 * from later copies, the note table, reading the notes at the start, new
 * notes (dropped, pasted, handed over, named on the command line) and the
 * exit with its retry of notes that could not be written. It shows nothing
 * of its own; the main window asks it and tells it what the user did.
 */
class NoteKeeper final : public QObject
{
    Q_OBJECT
public:
    static constexpr int noteTableSize = 101;

    /** A note that could not be written at the exit. */
    struct Unsaved
    {
        QString path;
        NoteRecord record;
        QString error;
    };

    /** Where a new note's outer corner goes: beside the main window. */
    using Corner = std::function<QPoint()>;

    NoteKeeper(const Seams &seams, Corner newNoteCorner, QObject *parent);
    ~NoteKeeper() override;

    /**
     * Takes the notes folder's lock and keeps @p pictures, and those that
     * later copies hand over, until placed(). False when another copy runs
     * on the folder: it is handed @p pictures, or the user is told it runs.
     */
    bool start(const QStringList &pictures);
    /** Opens every note of the folder, as the note table's limit and order allow. */
    void openAllNotes();
    /** The main window stands where it belongs: waiting pictures become notes beside it. */
    void placed();
    /** Whether the main window has been placed: new pictures become notes at once. */
    bool isPlaced() const { return m_placed; }

    /** Opens the note of @p path; one made by the user (@p madeNow) shows also while notes are
     * hidden. */
    NoteWindow *openNote(const QString &path, bool madeNow = false);
    qint16 noteCount() const { return m_noteCount; }
    NoteWindow *note(int index) const;
    /** The notes of the table that are still open, in the order they were opened. */
    QList<NoteWindow *> openNotes() const;
    Picker *picker() { return &m_picker; }

    /** Where windows can be reached: each screen less its panels. */
    static QList<QRect> reachableAreas();
    /** Brings every note onto one of @p areas where the user can grab it. */
    void bringIntoReach(const QList<QRect> &areas);
    /** Cascades every note over @p area, as moves by the user. */
    void gather(const QRect &area);
    /**
     * Hides every note, or shows them again. Notes that open while they are
     * hidden (from the start or the folder) stay hidden too, until shown;
     * nothing is written.
     */
    void setNotesHidden(bool hidden);
    bool notesHidden() const { return m_notesHidden; }
    /** Makes every note that the pointer passes through take it again. */
    void stopClickThrough();
    /** Every note's web pane shows @p page from now on. */
    void setWebPage(const QUrl &page);
    /** Makes a note from @p data, a copied picture or file; nothing for anything else. */
    void paste(const QMimeData *data);
    /** Makes a note for the picture at @p path, as a drop makes one. */
    void createNote(const QString &path);
    /** Makes a note for each picture, each a step beside the one before. */
    void createNotes(const QStringList &pictures);

    /**
     * The one way out, once whatever asks: closes every note in the order
     * they were opened (each writes what it has not written), offers to try
     * the notes that failed again when @p askAboutUnsaved (over @p parent),
     * then gives up the folder's lock and the hand-over socket and reports
     * finished().
     */
    void finish(bool askAboutUnsaved, QWidget *parent = nullptr);
    bool isFinished() const { return m_finished; }
    /** How many notes have a change that could not be written for a while. */
    int stuckCount() const;

signals:
    void finished();
    void stuckCountChanged(int count);
    /** A later start, or the command line, asks for FileHandoff's command @p command. */
    void commandAsked(const QString &command);

private:
    void take(const QStringList &handed);
    void watchNote(NoteWindow *note);
    void folderScanned(const FolderWatch::Scan &scan);
    void openIfNew(const QString &path);
    void readNote(NoteWindow *note);
    void showNote(NoteWindow *note, const NoteFile::Contents &contents);
    void createNoteAt(const QString &picturePath, const QString &notePath, const QPoint &offset);
    void createSomeNotes();
    QList<Unsaved> closeAllNotes();
    QString newNotePath() const;

    Seams m_seams;
    Picker m_picker;
    Twips m_twips;
    Corner m_newNoteCorner;
    std::unique_ptr<SingleInstance> m_instance;
    FileHandoff *m_handoff = nullptr;
    FolderWatch *m_watch = nullptr;
    /** The notes folder was not there at the last look: the user has been told. */
    bool m_folderMissing = false;
    ShowingOrder *m_showing;
    /** The pictures named at the start or handed over, until the main window is placed. */
    QStringList m_pendingPictures;
    /** Pictures that notes are still to be made for, each with its step from the corner. */
    QList<std::pair<QString, QPoint>> m_toCreate;
    bool m_placed = false;
    std::array<QPointer<NoteWindow>, noteTableSize> m_noteTable;
    qint16 m_noteCount = 0;
    bool m_finished = false;
    bool m_notesHidden = false;
    QUrl m_webPage;
    /** The notes hidden, or whose turn to show came while notes were hidden. */
    QList<QPointer<NoteWindow>> m_hiddenNotes;
};
