// SPDX-License-Identifier: MIT
#pragma once

#include "core/record/notestate.h"
#include "core/record/twips.h"
#include "core/rules/notelayout.h"
#include "core/rules/noteplacement.h"
#include "core/storage/notefile.h"
#include "ui/desktop/seams.h"

#include <QPixmap>
#include <QWidget>

#include <functional>

class MemoEdit;
class NoteBackground;
class NoteMemo;
class NoteDesk;
class QUrl;
class NoteMenu;
class NoteMover;
class NoteSaver;
struct NoteReading;
class NoteSurface;
class Picker;
class PictureView;
class WebPane;

/**
 * One note on the desktop: a frameless window with its picture, its memo and
 * a web pane along the bottom, over a surface of a colour and tiled
 * background pictures. It loads its note file when it opens, writes it
 * soon after each change that the user completes (a drag, a resize, an
 * edit, a menu command, a drop, a pause in typing) when it differs from
 * what the file holds, and writes it again when it closes.
 */
class NoteWindow final : public QWidget
{
    Q_OBJECT
public:
    NoteWindow(const Seams &seams, Picker *picker);
    ~NoteWindow() override;

    /** The full path of the note file. */
    QString notePath() const;
    void setNotePath(const QString &path);

    /** Applies @p contents, read from the note file. */
    void load(const NoteFile::Contents &contents);
    /**
     * The notes folder changed and the note's file stands as @p now: a
     * change from outside is shown, or joined with the note's own; a note
     * whose file is gone closes.
     */
    void folderChanged(const FileStamp &now);
    /**
     * Calls @p ready once the loaded note's picture has its shape and its
     * background picture has been read, or they have been waited for long
     * enough (at once when that is so): a note is shown then, so that it
     * does not change under the user's eyes.
     */
    void whenSettled(const std::function<void()> &ready);
    bool isSettled() const;
    /** What the window shows, as its file keeps it. */
    NoteState state() const;
    float pictureRatio() const;
    QString picturePath() const;
    QString backgroundPath() const;
    /** Whether the note has been closed; a closed note is neither shown nor written again. */
    bool isClosed() const;
    /** Whether the note was discarded; its file is never written again. */
    bool isDiscarded() const;
    bool isDragging() const;
    /** When and how the note writes its file: how the last write went, what it could not write. */
    const NoteSaver &saver() const;
    /** The note's pop-up menu. */
    NoteMenu *menu();
    /** Where the note lives on the desktop. */
    NoteDesk *desk() const { return m_desk; }
    /** The box the memo is edited in, hidden while the memo is not being edited. */
    MemoEdit *memoEdit();

    /**
     * Brings the note onto the nearest of @p screens when none shows enough
     * of it to grab; its file keeps the place it had until the user moves
     * or resizes it, so that it goes back there once that screen is back.
     */
    void bringIntoReach(const QList<QRect> &screens);
    /** Moves the note's corner to @p corner for the user, as a drag would. */
    void moveForUser(const QPoint &corner);

    /** The address every web pane shows. */
    /** The page the note's web pane shows (a new note's: the default page). */
    void setWebPage(const QUrl &page);

signals:
    void layoutDone();
    /** isSettled() holds from now on, for the contents loaded last. */
    void settled();
    /** The note shows what another program wrote into its file. */
    void fileShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createMenu();
    void connectSignals();

    void apply(const NoteFile::Contents &contents, bool fresh);
    void showChangedFile(const NoteFile::Contents &contents);
    void applyBackground(const PicturePath &background, bool fresh);
    void applyGeometry(const NoteReading &reading);
    void noteChanged();

    QSize innerSize() const;
    /** Where the note shows, in twips: asked of the window system when the file takes it. */
    QRectF shownTwips() const;
    void layoutNote();
    void placeControls();
    bool showMenu(const QPoint &at);
    void startEdit();
    void endEdit();
    void describe();

    void chooseBackgroundColour();
    void toggleWebPane();
    void discard();

    Seams m_seams;
    Picker *m_picker;
    Twips m_twips;
    NoteBackground *m_background = nullptr;
    NoteMover *m_mover;
    NoteSaver *m_saver;
    NotePlacement m_placement;
    /** The picture paths the file named, and where they were found. */
    PicturePath m_picturePath;
    PicturePath m_backgroundPath;
    NoteLayout m_layout;

    NoteSurface *m_surface = nullptr;
    PictureView *m_picture = nullptr;
    NoteMemo *m_memo = nullptr;
    WebPane *m_webPane = nullptr;
    NoteMenu *m_menu = nullptr;
    NoteDesk *m_desk = nullptr;
};
