// SPDX-License-Identifier: MIT
#pragma once

#include "core/record/noterecord.h"
#include "core/record/twips.h"
#include "core/storage/notefile.h"
#include "ui/desktop/picker.h"
#include "ui/desktop/seams.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class NoteWindow;
class DropLabel;
class MainMenu;
class QSystemTrayIcon;
class QTimer;
class SingleInstance;

/**
 * The program's small main window: the drop zone for new notes, the owner of
 * the tray icon, the note table and the shared picker. Closing it closes
 * every note, so that each writes its file, and ends the program.
 */
class MainWindow final : public QWidget
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

    explicit MainWindow(const Seams &seams);
    ~MainWindow() override;

    /**
     * Starts the program: refuses a second copy with a notice, adds the tray
     * icon and opens every note of the program folder, then makes a note for
     * each of @p pictures; from then on the end of the application (the
     * desktop session ending) and the signals that ask a program to end run
     * shutdown(), as closing the window does. False when another copy
     * already runs; it is handed @p pictures instead of the notice, and
     * nothing here has changed.
     */
    bool start(const QStringList &pictures = {});

    /**
     * Opens a note window for the note file @p path and records it in the
     * note table; null when the table is full (the note is still counted).
     */
    NoteWindow *openNote(const QString &path);
    /** How many notes were opened in this run, also past the table's end. */
    qint16 noteCount() const { return m_noteCount; }
    /** The note window at @p index of the note table, or null. */
    NoteWindow *note(int index) const;
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    Picker *picker() { return &m_picker; }

    /**
     * Closes every note in the order they were opened, removes the tray icon
     * and reports the program finished; once, whatever asks for it. Notes
     * that could not be written are only logged; closing the window asks
     * the user whether to try them again.
     */
    void shutdown();

    /** Brings every note, and this window, onto a screen where the user can grab it. */
    void bringWindowsIntoReach();
    /** Cascades every note over the screen that shows this window, as moves by the user. */
    void gatherNotes();
    /** Makes a note from what the clipboard holds: a copied picture or file. */
    void pasteNote();
    /** Makes a note for each picture, as drops would, each a step beside the one before. */
    void createNotes(const QStringList &pictures);

    static QIcon icon();

signals:
    /** Every note is closed and the tray icon removed: the program can end. */
    void finished();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createTrayIcon();
    void connectExits();
    void openAllNotes();
    void readNote(NoteWindow *note);
    void showNote(NoteWindow *note, const NoteFile::Contents &contents);
    void watchScreens();
    /** The notes of the table that are still open, in the order they were opened. */
    QList<NoteWindow *> openNotes() const;
    QList<Unsaved> closeAllNotes();
    void finish(bool askAboutUnsaved);
    void createPendingNotes();
    void createNote(const QString &picturePath, const QString &notePath, const QPoint &offset);
    void restore();
    bool canHideToTray() const;

    Seams m_seams;
    Picker m_picker;
    Twips m_twips;
    std::unique_ptr<SingleInstance> m_instance;
    QSystemTrayIcon *m_trayIcon = nullptr;
    DropLabel *m_dropLabel = nullptr;
    MainMenu *m_menu = nullptr;
    QTimer *m_reachTimer = nullptr;
    /** The pictures named at the start, until the window has been placed. */
    QStringList m_pendingPictures;
    /** Whether the window has been placed: pictures handed over become notes at once. */
    bool m_placed = false;
    std::array<QPointer<NoteWindow>, noteTableSize> m_noteTable;
    qint16 m_noteCount = 0;
    bool m_shutDown = false;
};
