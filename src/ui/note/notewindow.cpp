// SPDX-License-Identifier: MIT
#include "ui/note/notewindow.h"

#include "core/reads/picturereads.h"
#include "core/record/colourref.h"
#include "core/record/notereading.h"
#include "core/rules/screenreach.h"
#include "core/storage/droppedfiles.h"
#include "core/storage/notefile.h"
#include "core/storage/notesaver.h"
#include "core/storage/panepage.h"
#include "ui/desktop/barewindow.h"
#include "ui/desktop/messagebox.h"
#include "ui/desktop/picker.h"
#include "ui/desktop/windowposition.h"
#include "ui/note/notebackground.h"
#include "ui/note/notedesk.h"
#include "ui/note/notememo.h"
#include "ui/note/notemenu.h"
#include "ui/note/notemover.h"
#include "ui/note/notesurface.h"
#include "ui/note/pictureview.h"
#include "ui/webpane/webpane.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace {
const char *const discardQuestion = QT_TRANSLATE_NOOP(
    "NoteWindow", "この付箋紙を削除します。メモの内容は失われます。よろしいですか？");

} // namespace

NoteWindow::NoteWindow(const Seams &seams, Picker *picker)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), m_seams(seams), m_picker(picker),
      m_twips(logicalDpiX()), m_mover(new NoteMover(this)),
      m_saver(new NoteSaver(
          this, seams.writeOnChange, [this] { return state(); }, seams.saverDelays))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    DroppedFiles::acceptOnlyFiles(this);
    setMouseTracking(true);
    setMinimumSize(NoteLayout::minimumWindowSize());
    setMaximumSize(NoteLayout::maximumWindowSize());
    resize(NoteLayout::designWindowSize(m_twips));
    setAccessibleName(tr("付箋紙"));
    createControls();
    connectSignals();
}

NoteWindow::~NoteWindow() = default;

bool NoteWindow::isDragging() const
{
    return m_mover->isDragging();
}

void NoteWindow::setWebPage(const QUrl &page)
{
    m_webPane->navigate(page);
}

void NoteWindow::createControls()
{
    m_surface = new NoteSurface(this);
    m_background = new NoteBackground(m_surface, *m_seams.reads, m_twips, this);
    m_surface->setObjectName(QStringLiteral("surface"));

    m_picture = new PictureView(*m_seams.reads, m_surface);
    m_picture->setObjectName(QStringLiteral("picture"));

    m_webPane = new WebPane(m_seams.webPanes, m_surface);
    m_webPane->setObjectName(QStringLiteral("webPane"));
    // Sent there even while hidden: a pane shown later has its page.
    m_webPane->navigate(PanePage::defaultPage());

    m_memo = new NoteMemo(m_surface, QApplication::font("QPlainTextEdit"), m_seams.recentKeys);
    m_desk = new NoteDesk(this);

    placeControls();
}

MemoEdit *NoteWindow::memoEdit()
{
    return m_memo->edit();
}

// The menu is made the first time it is needed: most notes never show it,
// and start-up with many notes is quicker without a hundred menus.
NoteMenu *NoteWindow::menu()
{
    if (!m_menu)
        createMenu();
    return m_menu;
}

void NoteWindow::createMenu()
{
    m_menu = new NoteMenu(this);
    m_desk->attachMenu(m_menu);
    // Each command but the last changes what the note shows: its file is written after.
    const auto command = [this](QAction *action, const std::function<void()> &change) {
        connect(action, &QAction::triggered, this, [this, change] {
            change();
            noteChanged();
        });
    };
    command(m_menu->fontAction, [this] { m_memo->chooseFont(m_picker, this); });
    command(m_menu->textColourAction, [this] { m_memo->chooseTextColour(m_picker, this); });
    command(m_menu->backgroundColourAction, [this] { chooseBackgroundColour(); });
    command(m_menu->cancelBackgroundAction, [this] { m_background->cancel(); });
    command(m_menu->webPaneAction, [this] { toggleWebPane(); });
    connect(m_menu->discardAction, &QAction::triggered, this, &NoteWindow::discard);
}

void NoteWindow::connectSignals()
{
    connect(m_memo, &NoteMemo::clicked, this, &NoteWindow::startEdit);
    connect(m_memo, &NoteMemo::focusLost, this, &NoteWindow::endEdit);
    connect(m_memo, &NoteMemo::typed, m_saver, &NoteSaver::typed);
    connect(m_desk, &NoteDesk::changed, this, &NoteWindow::noteChanged);
    connect(m_saver, &NoteSaver::fileChanged, this, &NoteWindow::showChangedFile);
    // A note whose file was deleted or moved away closes without writing it.
    connect(m_saver, &NoteSaver::fileGone, this, &QWidget::close);
    connect(m_mover, &NoteMover::gestureEnded, this, &NoteWindow::noteChanged);
    connect(m_picture, &PictureView::shapeChanged, this, &NoteWindow::layoutNote);
    const auto settleIfReady = [this] {
        if (isSettled())
            emit settled();
    };
    connect(m_picture, &PictureView::settled, this, settleIfReady);
    connect(m_background, &NoteBackground::settled, this, settleIfReady);
}

QString NoteWindow::notePath() const
{
    return m_saver->path();
}

void NoteWindow::setNotePath(const QString &path)
{
    m_saver->setPath(path);
}

bool NoteWindow::isClosed() const
{
    return m_saver->isClosed();
}

bool NoteWindow::isDiscarded() const
{
    return m_saver->isDiscarded();
}

float NoteWindow::pictureRatio() const
{
    return m_picture->ratio();
}

QString NoteWindow::picturePath() const
{
    return m_picture->source();
}

QString NoteWindow::backgroundPath() const
{
    return m_background->path();
}

const NoteSaver &NoteWindow::saver() const
{
    return *m_saver;
}

void NoteWindow::load(const NoteFile::Contents &contents)
{
    apply(contents, true);
}

void NoteWindow::folderChanged(const FileStamp &now)
{
    m_saver->folderChanged(now);
}

// A file that another program changed is shown as a load shows it; what
// did not change is neither read again nor drawn again.
void NoteWindow::showChangedFile(const NoteFile::Contents &contents)
{
    apply(contents, false);
    layoutNote();
    emit fileShown();
}

namespace {
// Contents made without a look for the pictures show them where they are named.
PicturePath lookedUp(const PicturePath &path, const QString &named)
{
    return path.named == named ? path : PicturePath{named, {}};
}
} // namespace

// A screen reader tells the notes apart by their memos' first lines.
void NoteWindow::describe()
{
    setAccessibleDescription(m_memo->memo().section(u'\n', 0, 0).trimmed());
}

void NoteWindow::apply(const NoteFile::Contents &contents, bool fresh)
{
    const NoteReading reading = NoteReading::fromRecord(contents.record, m_twips);
    const PicturePath picture = lookedUp(contents.picture, reading.picturePath);
    if (fresh || picture.shown() != m_picture->source())
        m_picture->open(picture.shown(), m_twips.toPixels(NoteLayout::designPictureSide));
    m_picturePath = picture;
    applyGeometry(reading);
    if (reading.backgroundColour)
        m_surface->setBackgroundColour(*reading.backgroundColour);
    m_memo->load(reading);
    describe();
    m_desk->load(reading.desk);
    if (reading.webPaneShown)
        m_webPane->setVisible(*reading.webPaneShown);
    applyBackground(lookedUp(contents.background, reading.backgroundPath), fresh);
    m_saver->loaded(contents, state());
}

void NoteWindow::applyBackground(const PicturePath &background, bool fresh)
{
    m_backgroundPath = background;
    if (!fresh && background.named.isEmpty() && !m_background->path().isEmpty())
        m_background->cancel();
    else if (fresh || background.shown() != m_background->path())
        m_background->load(background.shown(), innerSize());
}

void NoteWindow::whenSettled(const std::function<void()> &ready)
{
    if (isSettled())
        ready();
    else
        connect(this, &NoteWindow::settled, this, ready, Qt::SingleShotConnection);
}

bool NoteWindow::isSettled() const
{
    return m_picture->isSettled() && m_background->isSettled();
}

// A size beyond the largest is shown bounded and kept in the file as it is.
void NoteWindow::applyGeometry(const NoteReading &reading)
{
    const QRect wanted = reading.geometry(geometry());
    setGeometry(wanted);
    const auto kept = [this](int wantedPixels, int shown, std::optional<float> stored) {
        return wantedPixels > shown && stored ? double(*stored) : m_twips.fromPixels(shown);
    };
    const QRectF shown = m_twips.fromPixels(geometry());
    const QSizeF file(kept(wanted.width(), width(), reading.widthTwips),
                      kept(wanted.height(), height(), reading.heightTwips));
    m_placement.loaded(QRectF(shown.topLeft(), file), shown);
}

// What of the note its background tiles can show: its inner area.
QSize NoteWindow::innerSize() const
{
    const int border = NoteLayout::borderWidth;
    return size() - QSize(2 * border, 2 * border);
}

QRectF NoteWindow::shownTwips() const
{
    // The window system is asked only when the file takes the place shown.
    const QPoint position = m_placement.keepsPlace() ? pos() : WindowPosition::of(this);
    return m_twips.fromPixels(QRect(position, size()));
}

NoteState NoteWindow::state() const
{
    NoteState state;
    // The file keeps the paths it named while the note shows the pictures found for them.
    state.picturePath = m_picturePath.forFile(m_picture->source());
    const QRectF kept = m_placement.forFile(shownTwips());
    state.left = static_cast<float>(kept.x());
    state.top = static_cast<float>(kept.y());
    state.width = static_cast<float>(kept.width());
    state.height = static_cast<float>(kept.height());
    state.backgroundColour = ColourRef::fromColor(m_surface->backgroundColour());
    const QFont font = m_memo->font();
    state.fontName = font.family();
    state.fontSize = static_cast<float>(font.pointSizeF());
    state.textColour = ColourRef::fromColor(m_memo->textColour());
    state.bold = font.bold();
    state.italic = font.italic();
    state.webPaneShown = !m_webPane->isHidden();
    state.memo = m_memo->memo();
    state.backgroundPath = m_backgroundPath.forFile(m_background->path());
    state.desk = m_desk->settings();
    return state;
}

void NoteWindow::noteChanged()
{
    m_saver->changed();
}

void NoteWindow::closeEvent(QCloseEvent *event)
{
    m_saver->close();
    event->accept();
}

void NoteWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Notes have no caption and no icon: window lists show them as bare windows.
    BareWindow::clearCaptionAndIcon(this);
    m_desk->shown();
}

void NoteWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int border = NoteLayout::borderWidth;
    m_surface->setGeometry(rect().adjusted(border, border, -border, -border));
    layoutNote();
    m_background->grow(innerSize());
    if (m_mover->isResizing()) {
        m_placement.userResized();
        noteChanged();
    }
}

void NoteWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (m_mover->isDragging())
        m_placement.userMoved();
}

// A note shown elsewhere than the place its file keeps (brought into reach
// when a screen went) goes back there once that place is in reach again; a
// note the user moved since keeps the place the user gave it.
void NoteWindow::bringIntoReach(const QList<QRect> &screens)
{
    QRect from = geometry();
    if (m_placement.keepsPlace()) {
        const QRectF file = m_placement.forFile(shownTwips());
        const QRect kept(QPoint(m_twips.toPixels(file.x()), m_twips.toPixels(file.y())), size());
        if (ScreenReach::reachable(kept, screens) == kept.topLeft())
            from = kept;
    }
    const QPoint corner = ScreenReach::reachable(from, screens);
    if (corner == pos())
        return;
    m_placement.putElsewhere(shownTwips());
    move(corner);
}

void NoteWindow::moveForUser(const QPoint &corner)
{
    // The toolkit may hold a place the window is not at (a window manager
    // that reparented it reported the frame's corner): it would skip a move
    // to that place, so the window goes there by way of a neighbour.
    if (pos() == corner && WindowPosition::of(this) != corner)
        move(corner + QPoint(1, 0));
    move(corner);
    m_placement.userMoved();
    noteChanged();
}

void NoteWindow::layoutNote()
{
    NoteLayout current = m_layout;
    current.pictureWidth = m_twips.fromPixels(m_picture->width());
    current.pictureHeight = m_twips.fromPixels(m_picture->height());
    const NoteLayout::Frame frame{m_twips.fromPixels(width()), m_twips.fromPixels(height()),
                                  NoteLayout::pictureTop, m_picture->ratio(),
                                  !m_webPane->isHidden()};
    m_layout = NoteLayout::fitted(current, frame, m_twips);
    placeControls();
    emit layoutDone();
}

void NoteWindow::placeControls()
{
    const NoteLayout::Placement placement = m_layout.placed(m_twips, m_surface->width());
    m_picture->setGeometry(placement.picture);
    m_memo->setGeometry(placement.memo);
    m_webPane->setGeometry(placement.pane);
}

void NoteWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xD4, 0xD0, 0xC8));
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void NoteWindow::startEdit()
{
    if (m_desk->isLocked())
        return;
    m_memo->startEdit();
    m_saver->forgetTyping(); // the text put in is no typing
}

void NoteWindow::endEdit()
{
    if (!m_memo->endEdit())
        return;
    m_saver->forgetTyping();
    describe();
    noteChanged();
}

void NoteWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && (m_desk->isLocked() || m_mover->startResize(event)))
        return;
    if (event->button() == Qt::RightButton && !showMenu(event->globalPosition().toPoint()))
        return;
    m_mover->grab(event);
    endEdit();
}

// The menu's keys, as on the main window: the Menu key and Shift+F10 open
// it at the note's corner.
void NoteWindow::keyPressEvent(QKeyEvent *event)
{
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey)
        showMenu(mapToGlobal(QPoint(NoteLayout::borderWidth, NoteLayout::borderWidth) * 4));
    else
        QWidget::keyPressEvent(event);
}

// A command of the menu may close the note: false when it did, and the note
// is not touched again.
bool NoteWindow::showMenu(const QPoint &at)
{
    const QPointer<NoteWindow> alive(this);
    menu()->exec(at);
    return alive && !isClosed();
}

void NoteWindow::mouseMoveEvent(QMouseEvent *event)
{
    m_mover->follow(event);
}

void NoteWindow::mouseReleaseEvent(QMouseEvent *)
{
    m_mover->release();
}

void NoteWindow::dropEvent(QDropEvent *event)
{
    if (m_desk->isLocked()) {
        event->ignore();
        return;
    }
    m_background->drop(event, innerSize(), [this] { noteChanged(); });
}

void NoteWindow::chooseBackgroundColour()
{
    if (const auto colour = m_picker->pickColour(m_surface->backgroundColour(), this))
        m_surface->setBackgroundColour(*colour);
}

void NoteWindow::toggleWebPane()
{
    m_webPane->setVisible(m_webPane->isHidden());
    layoutNote();
}

void NoteWindow::discard()
{
    if (!m_seams.messageBox->confirm(this, tr(discardQuestion)))
        return;
    // From here on the note's file is never written again, deleted or not.
    m_saver->discard();
    // A file that could not be deleted would bring the note back at the next
    // start: the note stays open rather than seem gone.
    if (NoteFile::discard(notePath()))
        close();
}
