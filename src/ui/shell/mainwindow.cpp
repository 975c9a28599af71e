// SPDX-License-Identifier: MIT
#include "ui/shell/mainwindow.h"

#include "core/reads/slowreads.h"
#include "core/record/notestate.h"
#include "core/rules/screenreach.h"
#include "core/storage/clock.h"
#include "core/storage/droppedfiles.h"
#include "core/storage/filehandoff.h"
#include "core/storage/notefile.h"
#include "core/storage/pastedpicture.h"
#include "core/storage/singleinstance.h"
#include "ui/desktop/messagebox.h"
#include "ui/note/notewindow.h"
#include "ui/posix/quitsignals.h"
#include "ui/shell/droplabel.h"
#include "ui/shell/mainmenu.h"
#include "ui/shell/startuphold.h"
#include "ui/desktop/windowposition.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <limits>
#include <utility>

namespace {
const QString caption = QStringLiteral("quillnote 1.0");
const QString dropText = QStringLiteral("ここにｲﾒｰｼﾞﾌｧｲﾙをﾄﾞﾛｯﾌﾟすると 新しい付箋紙を作成します");
const QString alreadyRunning = QStringLiteral("既に起動されています");
const QString notSaved = QStringLiteral("保存できなかった付箋紙があります。");
const QColor background(0xE0, 0xE0, 0xE0);
const QColor frameColour(0xC0, 0xC0, 0xC0);

// The design, in twips of the client area.
constexpr double clientWidth = 3255;
constexpr double clientHeight = 1335;
constexpr double frameMargin = 120;
constexpr double labelLeft = 360;
constexpr double labelTop = 480;

// The longest that pictures named at the start wait for the window to be placed.
constexpr std::chrono::milliseconds pendingPicturesWait{2000};

// How long the screens may go on changing before stranded windows are brought back.
constexpr std::chrono::milliseconds screenSettling{200};

// The longest that pictures wait for the notes of start-up to be painted.
constexpr std::chrono::milliseconds startupPictureHold{3000};

// Where windows can be reached: each screen less its panels.
QList<QRect> screenAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}
} // namespace

MainWindow::MainWindow(const Seams &seams)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_seams(seams), m_picker(seams.pickerBackend),
      m_instance(std::make_unique<SingleInstance>(seams.folder))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(caption);
    setWindowIcon(icon());
    setAcceptDrops(true);
    createControls();
}

MainWindow::~MainWindow() = default;

QIcon MainWindow::icon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quillnote-%1.png").arg(size), QSize(size, size));
    return icon;
}

void MainWindow::createControls()
{
    setFixedSize(m_twips.toPixels(clientWidth), m_twips.toPixels(clientHeight));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);

    m_dropLabel = new DropLabel(this);
    m_dropLabel->setObjectName(QStringLiteral("dropLabel"));
    m_dropLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_dropLabel->setEnabled(false);
    m_dropLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The design's text fits its box in a 12-pixel font, the desktop default it was drawn for.
    QFont font = m_dropLabel->font();
    font.setPixelSize(12);
    m_dropLabel->setFont(font);
    const int left = m_twips.toPixels(labelLeft);
    const int top = m_twips.toPixels(labelTop);
    m_dropLabel->setGeometry(left, top, width() - 2 * left, height() - 2 * top);
    m_dropLabel->setFittedText(dropText);
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // Made at the first right click: start-up does not wait for it.
    if (!m_menu) {
        m_menu = new MainMenu(m_seams, this);
        connect(m_menu, &MainMenu::pasteRequested, this, &MainWindow::pasteNote);
        connect(m_menu, &MainMenu::gatherRequested, this, &MainWindow::gatherNotes);
    }
    m_menu->popup(event->globalPos());
}

void MainWindow::paintEvent(QPaintEvent *)
{
    const int margin = m_twips.toPixels(frameMargin);
    QPainter painter(this);
    painter.setPen(frameColour);
    painter.drawRect(rect().adjusted(margin, margin, -margin - 1, -margin - 1));
    if (!m_pendingPictures.isEmpty())
        QTimer::singleShot(0, this, &MainWindow::createPendingNotes);
}

bool MainWindow::start(const QStringList &pictures)
{
    if (!m_instance->acquire()) {
        // Pictures go to the copy that runs; without any, the user is told it runs.
        if (pictures.isEmpty() || !FileHandoff::handOver(m_seams.folder, pictures))
            m_seams.messageBox->notify(nullptr, alreadyRunning);
        return false;
    }
    // Notes for pictures are made once the window stands where the window
    // manager puts it, so that they come beside it: at its first paint, or
    // soon anyway. Later copies may hand over theirs from now on.
    m_pendingPictures = pictures;
    auto *handoff = new FileHandoff(m_seams.folder, this);
    connect(handoff, &FileHandoff::filesReceived, this, [this](const QStringList &handed) {
        if (m_placed)
            createNotes(handed);
        else
            m_pendingPictures += handed;
    });
    handoff->listen();
    createTrayIcon();
    openAllNotes();
    show();
    connectExits();
    watchScreens();
    QTimer::singleShot(pendingPicturesWait, this, &MainWindow::createPendingNotes);
    return true;
}

// A screen that goes, shrinks or moves can strand windows: they are
// brought back once the screens have settled.
void MainWindow::watchScreens()
{
    m_reachTimer = new QTimer(this);
    m_reachTimer->setSingleShot(true);
    m_reachTimer->setInterval(screenSettling);
    connect(m_reachTimer, &QTimer::timeout, this, &MainWindow::bringWindowsIntoReach);
    const auto watch = [this](QScreen *screen) {
        connect(screen, &QScreen::availableGeometryChanged, m_reachTimer,
                qOverload<>(&QTimer::start));
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [this, watch](QScreen *screen) {
        watch(screen);
        m_reachTimer->start();
    });
    connect(qApp, &QGuiApplication::screenRemoved, m_reachTimer, qOverload<>(&QTimer::start));
}

void MainWindow::bringWindowsIntoReach()
{
    const QList<QRect> areas = screenAreas();
    for (NoteWindow *note : openNotes())
        note->bringIntoReach(areas);
    const QRect frame = frameGeometry();
    const QPoint corner = ScreenReach::reachable(frame, areas);
    if (corner != frame.topLeft())
        move(corner);
}

void MainWindow::gatherNotes()
{
    const QRect area = screen()->availableGeometry();
    int index = 0;
    for (NoteWindow *note : openNotes())
        note->moveForUser(ScreenReach::cascaded(index++, note->size(), area));
}

QList<NoteWindow *> MainWindow::openNotes() const
{
    QList<NoteWindow *> notes;
    const int count = qMin<int>(m_noteCount, noteTableSize);
    for (int index = 0; index < count; ++index)
        if (NoteWindow *note = m_noteTable[index]; note && !note->isClosed())
            notes.append(note);
    return notes;
}

// Every way into the exit runs shutdown() once: closing this window (its
// close event), the application ending (the desktop session ending, say),
// and SIGTERM, SIGINT or SIGHUP.
void MainWindow::connectExits()
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::shutdown);
    auto *quitSignals = new QuitSignals(this);
    connect(quitSignals, &QuitSignals::quitRequested, this, &MainWindow::shutdown);
}

void MainWindow::createTrayIcon()
{
    m_trayIcon = new QSystemTrayIcon(windowIcon(), this);
    m_trayIcon->setObjectName(QStringLiteral("trayIcon"));
    m_trayIcon->setToolTip(caption);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context)
                    restore();
            });
    // Where no tray is running the icon waits for one; the program goes on without it.
    m_trayIcon->show();
}

void MainWindow::openAllNotes()
{
    StartupHold *hold = StartupHold::begin();
    for (const QString &path : NoteFile::notesIn(m_seams.folder))
        if (NoteWindow *note = openNote(path))
            hold->watch(note);
    hold->releaseWhenPainted(startupPictureHold);
}

NoteWindow *MainWindow::openNote(const QString &path)
{
    const int index = m_noteCount;
    NoteWindow *note = nullptr;
    if (index >= 0 && index < noteTableSize) {
        note = new NoteWindow(m_seams, &m_picker);
        m_noteTable[index] = note;
        note->setNotePath(path);
        readNote(note);
    }
    if (m_noteCount < std::numeric_limits<qint16>::max())
        ++m_noteCount;
    return note;
}

// A note whose file does not read within a moment (a stalled share) comes
// onto the screen when it has been read; until then it is neither shown
// nor written.
void MainWindow::readNote(NoteWindow *note)
{
    const auto reader = m_seams.readNote ? m_seams.readNote : NoteFile::load;
    SlowReads::deliver(QtConcurrent::run(SlowReads::pool(), reader, note->notePath()), note,
                       [this, note](const NoteFile::Contents &contents) {
                           if (!m_shutDown && !note->isClosed())
                               showNote(note, contents);
                       });
}

void MainWindow::showNote(NoteWindow *note, const NoteFile::Contents &contents)
{
    note->load(contents);
    note->bringIntoReach(screenAreas());
    note->show();
}

NoteWindow *MainWindow::note(int index) const
{
    if (index < 0 || index >= noteTableSize)
        return nullptr;
    return m_noteTable[index];
}

QList<MainWindow::Unsaved> MainWindow::closeAllNotes()
{
    QList<Unsaved> unsaved;
    for (NoteWindow *note : openNotes()) {
        note->close();
        const NoteFile::Result result = note->lastSave();
        if (result.failed())
            unsaved.append({note->notePath(), note->unwritten(), result.error});
    }
    return unsaved;
}

namespace {
QString unsavedText(const QList<MainWindow::Unsaved> &unsaved)
{
    QStringList lines{notSaved, QString()};
    for (const MainWindow::Unsaved &note : unsaved)
        lines.append(QStringLiteral("%1: %2").arg(QFileInfo(note.path).fileName(), note.error));
    return lines.join(u'\n');
}

QList<MainWindow::Unsaved> retried(const QList<MainWindow::Unsaved> &unsaved)
{
    QList<MainWindow::Unsaved> still;
    for (const MainWindow::Unsaved &note : unsaved) {
        const NoteFile::Result result = NoteFile::save(note.path, note.record);
        if (result.failed())
            still.append({note.path, note.record, result.error});
    }
    return still;
}
} // namespace

void MainWindow::shutdown()
{
    finish(false);
}

void MainWindow::finish(bool askAboutUnsaved)
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    QList<Unsaved> unsaved = closeAllNotes();
    while (askAboutUnsaved && !unsaved.isEmpty() &&
           m_seams.messageBox->askRetry(this, unsavedText(unsaved)))
        unsaved = retried(unsaved);
    if (m_trayIcon)
        m_trayIcon->hide();
    emit finished();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    finish(true);
    event->accept();
}

bool MainWindow::canHideToTray() const
{
    return m_trayIcon && m_trayIcon->isVisible() && m_seams.trayAvailable &&
           m_seams.trayAvailable();
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Decided at each minimise: a tray that started after the program counts,
    // and without one the window minimises as usual, since a hidden window
    // without a tray icon could never come back.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && canHideToTray())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                hide();
        });
}

void MainWindow::restore()
{
    // showNormal(): a plain show() of a minimised window maps it iconified.
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    DroppedFiles::acceptIfFiles(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    DroppedFiles::acceptIfFiles(event);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = DroppedFiles::firstLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    createNote(path, NoteFile::newPath(m_seams.folder, m_seams.clock->now()), QPoint());
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste))
        pasteNote();
    else
        QWidget::keyPressEvent(event);
}

void MainWindow::pasteNote()
{
    // A pasted picture is kept under the name of the note made for it.
    const QString notePath = NoteFile::newPath(m_seams.folder, m_seams.clock->now());
    const QString pngPath =
        QDir(m_seams.folder)
            .filePath(
                QStringLiteral("pictures/%1.png").arg(QFileInfo(notePath).completeBaseName()));
    const QString picture =
        PastedPicture::fileFor(QGuiApplication::clipboard()->mimeData(), pngPath);
    if (!picture.isEmpty())
        createNote(picture, notePath, QPoint());
}

void MainWindow::createPendingNotes()
{
    m_placed = true;
    const QStringList pictures = std::exchange(m_pendingPictures, {});
    if (!pictures.isEmpty())
        createNotes(pictures);
}

void MainWindow::createNotes(const QStringList &pictures)
{
    // Each a step further down and right, so that none hides the one before.
    QPoint offset;
    for (const QString &picture : pictures) {
        createNote(picture, NoteFile::newPath(m_seams.folder, m_seams.clock->now()), offset);
        offset += QPoint(ScreenReach::cascadeStep, ScreenReach::cascadeStep);
    }
}

void MainWindow::createNote(const QString &picturePath, const QString &notePath,
                            const QPoint &offset)
{
    // The outer corner, frame included: where the window system has the
    // contents, less the frame's width that the toolkit knows.
    const QPoint corner = WindowPosition::of(this) - (geometry().topLeft() - pos()) + offset;
    const NoteRecord record =
        NoteState::newNoteRecord(picturePath, static_cast<float>(m_twips.fromPixels(corner.x())),
                                 static_cast<float>(m_twips.fromPixels(corner.y())));
    if (NoteFile::create(notePath, record))
        openNote(notePath);
}
