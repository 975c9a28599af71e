// SPDX-License-Identifier: MIT
#pragma once

#include "core/record/twips.h"
#include "ui/desktop/picker.h"
#include "ui/desktop/seams.h"
#include "ui/shell/notekeeper.h"

#include <QWidget>

class NoteWindow;
class DropLabel;
class MainMenu;
class QSystemTrayIcon;
class QTimer;

/**
 * The program's small main window: the drop zone for new notes and the
 * owner of the tray icon. The notes themselves are kept by its NoteKeeper,
 * which it tells what the user did. Closing it closes every note, so that
 * each writes its file, and ends the program.
 */
class MainWindow final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int noteTableSize = NoteKeeper::noteTableSize;

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

    /** How many notes were opened in this run, also past the table's end. */
    qint16 noteCount() const;
    /** The note window at @p index of the note table, or null. */
    NoteWindow *note(int index) const;
    NoteKeeper *keeper() const { return m_keeper; }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    Picker *picker();

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

    static QIcon icon();

signals:
    /** Every note is closed and the tray icon removed: the program can end. */
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createTrayIcon();
    void connectExits();
    void watchScreens();
    void finish(bool askAboutUnsaved);
    void showUnsavedCount(int count);
    void placed();
    QPoint newNoteCorner() const;
    void restore();
    bool canHideToTray() const;

    Seams m_seams;
    Twips m_twips;
    NoteKeeper *m_keeper;
    QSystemTrayIcon *m_trayIcon = nullptr;
    DropLabel *m_dropLabel = nullptr;
    MainMenu *m_menu = nullptr;
    QTimer *m_reachTimer = nullptr;
};
