// SPDX-License-Identifier: MIT
#include "ui/note/notewindow.h"

#include "core/reads/pictureloader.h"
#include "core/reads/slowreads.h"
#include "core/record/colourref.h"
#include "core/record/notereading.h"
#include "core/rules/screenreach.h"
#include "core/storage/droppedfiles.h"
#include "core/storage/notefile.h"
#include "core/storage/notesaver.h"
#include "ui/desktop/barewindow.h"
#include "ui/desktop/messagebox.h"
#include "ui/desktop/picker.h"
#include "ui/desktop/windowposition.h"
#include "ui/note/memoedit.h"
#include "ui/note/memolabel.h"
#include "ui/note/notebackground.h"
#include "ui/note/notemenu.h"
#include "ui/note/notemover.h"
#include "ui/note/notesurface.h"
#include "ui/note/pictureview.h"
#include "ui/webpane/webpane.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMimeData>
#include <QPainter>
#include <QPointer>

namespace {
const QString discardQuestion =
    QStringLiteral("この付箋紙を削除します。メモの内容は失われます。よろしいですか？");

QFont withPickerFont(QFont font, const PickerSettings &settings)
{
    font.setFamily(settings.fontName);
    if (settings.fontSize > 0)
        font.setPointSizeF(settings.fontSize);
    font.setBold(settings.bold);
    font.setItalic(settings.italic);
    return font;
}

QColor textColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}
} // namespace

NoteWindow::NoteWindow(const Seams &seams, Picker *picker)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), m_seams(seams), m_picker(picker),
      m_twips(logicalDpiX()), m_editFont(QApplication::font("QPlainTextEdit")),
      m_mover(new NoteMover(this)),
      m_saver(new NoteSaver(this, seams.writeOnChange, [this] { return state(); }))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    setMouseTracking(true);
    setMinimumSize(NoteLayout::minimumWindowSize());
    setMaximumSize(NoteLayout::maximumWindowSize());
    resize(NoteLayout::designWindowSize(m_twips));
    createControls();
    connectSignals();
}

NoteWindow::~NoteWindow() = default;

bool NoteWindow::isDragging() const
{
    return m_mover->isDragging();
}

QUrl NoteWindow::webPage()
{
    return QUrl(QStringLiteral("http://quillnote.example/006/gear.shtml"));
}

void NoteWindow::createControls()
{
    m_surface = new NoteSurface(this);
    m_background = new NoteBackground(m_surface, m_twips, this);
    m_surface->setObjectName(QStringLiteral("surface"));

    m_picture = new PictureView(m_surface);
    m_picture->setObjectName(QStringLiteral("picture"));

    m_webPane = new WebPane(m_seams.liveWebPanes, m_surface);
    m_webPane->setObjectName(QStringLiteral("webPane"));

    m_memoLabel = new MemoLabel(m_surface);
    m_memoLabel->setObjectName(QStringLiteral("memoLabel"));

    placeControls();
}

// The edit box is made the first time the memo is edited: a hundred notes
// start quicker and smaller without a hundred text editors, hidden anyway.
MemoEdit *NoteWindow::memoEdit()
{
    if (m_memoEdit)
        return m_memoEdit;
    m_memoEdit = new MemoEdit(m_surface);
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_memoEdit->hide();
    m_memoEdit->setFont(m_editFont);
    m_memoEdit->setGeometry(m_memoLabel->geometry());
    m_memoEdit->stackUnder(m_memoLabel);
    connect(m_memoEdit, &MemoEdit::focusLost, this, &NoteWindow::endEdit);
    connect(m_memoEdit, &MemoEdit::textChanged, m_saver, &NoteSaver::typed);
    return m_memoEdit;
}

void NoteWindow::setEditFont(const QFont &font)
{
    m_editFont = font;
    if (m_memoEdit)
        m_memoEdit->setFont(font);
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
    connect(m_menu->fontAction, &QAction::triggered, this, &NoteWindow::chooseFont);
    connect(m_menu->textColourAction, &QAction::triggered, this, &NoteWindow::chooseTextColour);
    connect(m_menu->backgroundColourAction, &QAction::triggered, this,
            &NoteWindow::chooseBackgroundColour);
    connect(m_menu->cancelBackgroundAction, &QAction::triggered, this,
            &NoteWindow::cancelBackgroundPicture);
    connect(m_menu->webPaneAction, &QAction::triggered, this, &NoteWindow::toggleWebPane);
    connect(m_menu->discardAction, &QAction::triggered, this, &NoteWindow::discard);
}

void NoteWindow::connectSignals()
{
    connect(m_memoLabel, &MemoLabel::clicked, this, &NoteWindow::startEdit);
    connect(m_mover, &NoteMover::gestureEnded, this, &NoteWindow::noteChanged);
    connect(m_picture, &PictureView::decodeFailed, this, &NoteWindow::forgetPictureSize);
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

QString NoteWindow::backgroundPath() const
{
    return m_background->path();
}

NoteFile::Result NoteWindow::lastSave() const
{
    return m_saver->lastSave();
}

NoteRecord NoteWindow::unwritten() const
{
    return m_saver->unwritten();
}

void NoteWindow::load()
{
    load(NoteFile::load(notePath()));
}

void NoteWindow::load(const NoteFile::Contents &contents)
{
    const NoteReading reading = NoteReading::fromRecord(contents.record, m_twips);
    applyPicture(reading.picturePath);
    applyGeometry(reading);
    if (reading.backgroundColour)
        m_surface->setBackgroundColour(*reading.backgroundColour);
    applyLabelFont(reading);
    setEditFont(reading.font(m_editFont));
    if (reading.webPaneShown)
        m_webPane->setVisible(*reading.webPaneShown);
    m_memoLabel->setMemo(reading.memo);
    m_background->load(reading.backgroundPath, innerSize());
    m_webPane->navigate(webPage());
    m_saver->loaded(contents, state());
}

// The picture's natural size comes from its header, and the ratio from that
// size, before the window is sized; the pixels are decoded once the picture
// has the size it shows at. A header that does not come within a moment (a
// stalled share) leaves the design's box until it does.
void NoteWindow::applyPicture(const QString &path)
{
    m_picturePath = path;
    m_picture->setStretching(true);
    const auto late = std::make_shared<bool>(false);
    const bool now = SlowReads::deliver(PictureLoader::naturalSizeLater(path), this,
                                        [this, path, late](const std::optional<QSize> &natural) {
                                            if (m_picturePath != path || (*late && !natural))
                                                return;
                                            applyNaturalSize(natural);
                                            if (*late)
                                                layoutNote();
                                        });
    if (!now) {
        *late = true;
        applyNaturalSize(std::nullopt);
    }
}

void NoteWindow::applyNaturalSize(const std::optional<QSize> &natural)
{
    if (natural)
        m_picture->resize(*natural);
    m_pictureRatio =
        static_cast<float>(m_picture->height()) / static_cast<float>(m_picture->width());
    if (natural)
        m_picture->setPicture(m_picturePath, *natural);
}

// A size beyond the largest is shown bounded and kept in the file as it is.
void NoteWindow::applyGeometry(const NoteReading &reading)
{
    const QRect wanted = reading.geometry(geometry());
    setGeometry(wanted);
    const auto kept = [this](int wantedPixels, int shown, std::optional<float> stored) {
        return wantedPixels > shown && stored ? double(*stored) : m_twips.fromPixels(shown);
    };
    const QRectF shown(m_twips.fromPixels(x()), m_twips.fromPixels(y()),
                       m_twips.fromPixels(width()), m_twips.fromPixels(height()));
    const QSizeF file(kept(wanted.width(), width(), reading.widthTwips),
                      kept(wanted.height(), height(), reading.heightTwips));
    m_placement.loaded(QRectF(shown.topLeft(), file), shown);
}

// A picture whose header read but whose pixels did not is laid out as one
// that does not load: the design's box and its proportions.
void NoteWindow::forgetPictureSize()
{
    const int side = m_twips.toPixels(NoteLayout::designPictureSide);
    m_picture->resize(side, side);
    m_pictureRatio = 1;
    layoutNote();
}

// The memo label takes the font and the text colour; the edit box keeps its own colours.
void NoteWindow::applyLabelFont(const NoteReading &reading)
{
    m_memoLabel->setFont(reading.font(m_memoLabel->font()));
    if (reading.textColour)
        setTextColour(m_memoLabel, *reading.textColour);
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
    return QRectF(m_twips.fromPixels(position.x()), m_twips.fromPixels(position.y()),
                  m_twips.fromPixels(width()), m_twips.fromPixels(height()));
}

NoteState NoteWindow::state() const
{
    NoteState state;
    state.picturePath = m_picturePath;
    const QRectF kept = m_placement.forFile(shownTwips());
    state.left = static_cast<float>(kept.x());
    state.top = static_cast<float>(kept.y());
    state.width = static_cast<float>(kept.width());
    state.height = static_cast<float>(kept.height());
    state.backgroundColour = ColourRef::fromColor(m_surface->backgroundColour());
    const QFont font = m_memoLabel->font();
    state.fontName = font.family();
    state.fontSize = static_cast<float>(font.pointSizeF());
    state.textColour = ColourRef::fromColor(textColour(m_memoLabel));
    state.bold = font.bold();
    state.italic = font.italic();
    state.webPaneShown = !m_webPane->isHidden();
    // Text typed into the edit box is the memo, also before the edit ends.
    const bool editing = m_memoEdit && !m_memoEdit->isHidden();
    state.memo = editing ? m_memoEdit->memo() : m_memoLabel->memo();
    state.backgroundPath = m_background->path();
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

void NoteWindow::bringIntoReach(const QList<QRect> &screens)
{
    const QPoint corner = ScreenReach::reachable(geometry(), screens);
    if (corner == pos())
        return;
    m_placement.putElsewhere(shownTwips());
    move(corner);
}

void NoteWindow::moveForUser(const QPoint &corner)
{
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
                                  NoteLayout::pictureTop, m_pictureRatio, !m_webPane->isHidden()};
    m_layout = NoteLayout::fitted(current, frame, m_twips);
    placeControls();
    emit layoutDone();
}

void NoteWindow::placeControls()
{
    const NoteLayout::Placement placement = m_layout.placed(m_twips, m_surface->width());
    m_picture->setGeometry(placement.picture);
    m_memoLabel->setGeometry(placement.memo);
    if (m_memoEdit)
        m_memoEdit->setGeometry(placement.memo);
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
    MemoEdit *edit = memoEdit();
    edit->setMemo(m_memoLabel->memo());
    m_saver->forgetTyping(); // the text put in is no typing
    edit->show();
    activateWindow();
    edit->setFocus(Qt::MouseFocusReason);
    m_memoLabel->hide();
}

void NoteWindow::endEdit()
{
    if (!m_memoEdit || m_memoEdit->isHidden())
        return;
    m_memoLabel->setMemo(m_memoEdit->memo());
    m_memoEdit->hide();
    m_memoLabel->show();
    m_saver->forgetTyping();
    noteChanged();
}

void NoteWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_mover->startResize(event))
        return;
    if (event->button() == Qt::RightButton) {
        // A command of the menu may close the note; a closed note is not touched again.
        const QPointer<NoteWindow> alive(this);
        menu()->exec(event->globalPosition().toPoint());
        if (!alive || isClosed())
            return;
    }
    m_mover->grab(event);
    endEdit();
}

void NoteWindow::mouseMoveEvent(QMouseEvent *event)
{
    m_mover->follow(event);
}

void NoteWindow::mouseReleaseEvent(QMouseEvent *)
{
    m_mover->release();
}

void NoteWindow::dragEnterEvent(QDragEnterEvent *event)
{
    DroppedFiles::acceptIfFiles(event);
}

void NoteWindow::dragMoveEvent(QDragMoveEvent *event)
{
    DroppedFiles::acceptIfFiles(event);
}

// A picture read within a moment is taken only if it loads, as the file
// manager proposed; one that takes longer is taken as a copy, never moved
// away from its folder, and tiles the note once it has been read.
void NoteWindow::dropEvent(QDropEvent *event)
{
    const QString path = DroppedFiles::firstLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    const auto loaded = std::make_shared<std::optional<bool>>();
    m_background->drop(path, innerSize(), [this, loaded](bool shown) {
        *loaded = shown;
        if (shown)
            noteChanged();
    });
    if (!loaded->has_value()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else if (**loaded) {
        event->acceptProposedAction();
    }
}

void NoteWindow::chooseFont()
{
    PickerSettings &settings = m_picker->settings();
    settings.flags = PickerSettings::ColourSelected | PickerSettings::FullForm;
    const QFont font = m_memoLabel->font();
    settings.fontName = font.family();
    settings.fontSize = static_cast<float>(font.pointSizeF());
    settings.bold = font.bold();
    settings.italic = font.italic();
    m_picker->showFont(this);
    m_memoLabel->setFont(withPickerFont(m_memoLabel->font(), m_picker->settings()));
    setEditFont(withPickerFont(m_editFont, m_picker->settings()));
    noteChanged();
}

void NoteWindow::chooseTextColour()
{
    m_picker->settings().colour = ColourRef::fromColor(textColour(m_memoLabel));
    m_picker->showColour(this);
    if (const auto colour = ColourRef::toColor(m_picker->settings().colour))
        setTextColour(m_memoLabel, *colour);
    noteChanged();
}

void NoteWindow::chooseBackgroundColour()
{
    m_picker->settings().colour = ColourRef::fromColor(m_surface->backgroundColour());
    m_picker->showColour(this);
    if (const auto colour = ColourRef::toColor(m_picker->settings().colour))
        m_surface->setBackgroundColour(*colour);
    noteChanged();
}

void NoteWindow::cancelBackgroundPicture()
{
    m_background->cancel();
    noteChanged();
}

void NoteWindow::toggleWebPane()
{
    m_webPane->setVisible(m_webPane->isHidden());
    layoutNote();
    noteChanged();
}

void NoteWindow::discard()
{
    if (!m_seams.messageBox->confirm(this, discardQuestion))
        return;
    // From here on the note's file is never written again, deleted or not.
    m_saver->discard();
    // A file that could not be deleted would bring the note back at the next
    // start: the note stays open rather than seem gone.
    if (NoteFile::discard(notePath()))
        close();
}
