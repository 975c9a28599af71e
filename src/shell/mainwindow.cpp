// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "droplabel.h"
#include "mainmenu.h"
#include "notes/notefile.h"
#include "notes/notestate.h"
#include "notes/notewindow.h"
#include "platform/clock.h"
#include "platform/droppedfiles.h"
#include "platform/messagebox.h"
#include "platform/quitsignals.h"
#include "platform/singleinstance.h"
#include "platform/windowposition.h"
#include "startuphold.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>

#include <limits>

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

// The longest that pictures wait for the notes of start-up to be painted.
constexpr std::chrono::milliseconds startupPictureHold{3000};
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
    if (!m_menu)
        m_menu = new MainMenu(m_seams, this);
    m_menu->popup(event->globalPos());
}

void MainWindow::paintEvent(QPaintEvent *)
{
    const int margin = m_twips.toPixels(frameMargin);
    QPainter painter(this);
    painter.setPen(frameColour);
    painter.drawRect(rect().adjusted(margin, margin, -margin - 1, -margin - 1));
}

bool MainWindow::start()
{
    if (!m_instance->acquire()) {
        m_seams.messageBox->notify(nullptr, alreadyRunning);
        return false;
    }
    createTrayIcon();
    openAllNotes();
    show();
    connectExits();
    return true;
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
        note->load();
        note->show();
    }
    if (m_noteCount < std::numeric_limits<qint16>::max())
        ++m_noteCount;
    return note;
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
    const int count = qMin<int>(m_noteCount, noteTableSize);
    for (int index = 0; index < count; ++index) {
        NoteWindow *note = m_noteTable[index];
        if (!note || note->isClosed())
            continue;
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
    createNote(path);
}

void MainWindow::createNote(const QString &picturePath)
{
    const QString notePath = NoteFile::newPath(m_seams.folder, m_seams.clock->now());
    // The outer corner, frame included: where the window system has the
    // contents, less the frame's width that the toolkit knows.
    const QPoint corner = WindowPosition::of(this) - (geometry().topLeft() - pos());
    const NoteRecord record =
        NoteState::newNoteRecord(picturePath, static_cast<float>(m_twips.fromPixels(corner.x())),
                                 static_cast<float>(m_twips.fromPixels(corner.y())));
    if (NoteFile::create(notePath, record))
        openNote(notePath);
}
