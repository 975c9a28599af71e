// SPDX-License-Identifier: MIT
#include "ui/shell/mainwindow.h"

#include "core/rules/screenreach.h"
#include "core/storage/droppedfiles.h"
#include "core/storage/filehandoff.h"
#include "ui/desktop/windowposition.h"
#include "ui/note/notewindow.h"
#include "ui/posix/quitsignals.h"
#include "ui/shell/droplabel.h"
#include "ui/shell/mainmenu.h"
#include "ui/shell/traymenu.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>

namespace {
const QString caption = QStringLiteral("quillnote 1.0");
const char *const unsavedNotes =
    QT_TRANSLATE_NOOP("MainWindow", "保存できない付箋紙があります (%1)");
// A translation marks its line breaks with newlines (see DropLabel).
const char *const dropText =
    QT_TRANSLATE_NOOP("MainWindow", "ここにｲﾒｰｼﾞﾌｧｲﾙをﾄﾞﾛｯﾌﾟすると 新しい付箋紙を作成します");
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
} // namespace

MainWindow::MainWindow(const Seams &seams)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_seams(seams), m_keeper(new NoteKeeper(
                          seams, [this] { return newNoteCorner(); }, this))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(caption);
    setWindowIcon(icon());
    setAcceptDrops(true);
    DroppedFiles::acceptOnlyFiles(this);
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
    m_dropLabel->setFittedText(tr(dropText));
    m_dropLabel->setAccessibleName(tr("付箋紙の作成"));
    m_dropLabel->setAccessibleDescription(tr(dropText).simplified());
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // Made at the first right click: start-up does not wait for it.
    if (!m_menu) {
        m_menu = new MainMenu(m_seams, this);
        connect(m_menu, &MainMenu::pasteRequested, this, &MainWindow::pasteNote);
        connect(m_menu, &MainMenu::gatherRequested, this, &MainWindow::gatherNotes);
        connect(m_menu, &MainMenu::stopClickThroughRequested, m_keeper,
                &NoteKeeper::stopClickThrough);
        connect(m_menu, &MainMenu::webPageChosen, m_keeper, &NoteKeeper::setWebPage);
    }
    m_menu->popup(event->globalPos());
}

void MainWindow::paintEvent(QPaintEvent *)
{
    const int margin = m_twips.toPixels(frameMargin);
    QPainter painter(this);
    painter.setPen(frameColour);
    painter.drawRect(rect().adjusted(margin, margin, -margin - 1, -margin - 1));
}

bool MainWindow::start(const QStringList &pictures)
{
    if (!m_keeper->start(pictures))
        return false;
    connect(m_keeper, &NoteKeeper::finished, this, [this] {
        if (m_trayIcon)
            m_trayIcon->hide();
        emit finished();
    });
    createTrayIcon();
    connect(m_keeper, &NoteKeeper::stuckCountChanged, this, &MainWindow::showUnsavedCount);
    connect(m_keeper, &NoteKeeper::commandAsked, this, [this](const QString &command) {
        if (command == FileHandoff::pasteCommand)
            pasteNote();
        else if (command == FileHandoff::gatherCommand)
            gatherNotes();
        else if (command == FileHandoff::toggleCommand)
            m_keeper->setNotesHidden(!m_keeper->notesHidden());
    });
    m_keeper->openAllNotes();
    // Notes for pictures are made once the window stands where the window
    // manager puts it, so that they come beside it: when it is first shown
    // on the screen, or soon anyway.
    show();
    windowHandle()->installEventFilter(this);
    connectExits();
    watchScreens();
    QTimer::singleShot(pendingPicturesWait, this, &MainWindow::placed);
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && windowHandle()->isExposed() && !m_keeper->isPlaced())
        QTimer::singleShot(0, this, &MainWindow::placed);
    return QWidget::eventFilter(watched, event);
}

void MainWindow::placed()
{
    if (m_keeper->isPlaced())
        return;
    windowHandle()->removeEventFilter(this);
    m_keeper->placed();
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
    const QList<QRect> areas = NoteKeeper::reachableAreas();
    m_keeper->bringIntoReach(areas);
    const QRect frame = frameGeometry();
    const QPoint corner = ScreenReach::reachable(frame, areas);
    if (corner != frame.topLeft())
        move(corner);
}

void MainWindow::gatherNotes()
{
    m_keeper->gather(screen()->availableGeometry());
}

qint16 MainWindow::noteCount() const
{
    return m_keeper->noteCount();
}

NoteWindow *MainWindow::note(int index) const
{
    return m_keeper->note(index);
}

Picker *MainWindow::picker()
{
    return m_keeper->picker();
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
    // A right press shows the menu, and brings the main window back as a left one does.
    m_trayIcon->setContextMenu(new TrayMenu(m_keeper, this));
    connect(m_trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context)
                    restore();
            });
    // Where no tray is running the icon waits for one; the program goes on without it.
    m_trayIcon->show();
}

// Notes whose changes could not be written for a while are named in the
// caption and the tray icon's tooltip until they are written.
void MainWindow::showUnsavedCount(int count)
{
    const QString text =
        count > 0 ? caption + QStringLiteral(" - ") + tr(unsavedNotes).arg(count) : caption;
    setWindowTitle(text);
    if (m_trayIcon)
        m_trayIcon->setToolTip(text);
}

void MainWindow::shutdown()
{
    finish(false);
}

void MainWindow::finish(bool askAboutUnsaved)
{
    m_keeper->finish(askAboutUnsaved, this);
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

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = DroppedFiles::firstLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    m_keeper->createNote(path);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteNote();
    } else if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        // Shift+F10 opens the menu, as the Menu key does.
        const QPoint at(m_twips.toPixels(labelLeft), m_twips.toPixels(labelTop));
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        contextMenuEvent(&menuEvent);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void MainWindow::pasteNote()
{
    m_keeper->paste(QGuiApplication::clipboard()->mimeData());
}

// The outer corner, frame included: where the window system has the
// contents, less the frame's width that the toolkit knows.
QPoint MainWindow::newNoteCorner() const
{
    return WindowPosition::of(this) - (geometry().topLeft() - pos());
}
