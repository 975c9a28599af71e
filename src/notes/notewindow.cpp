// SPDX-License-Identifier: MIT
#include "notewindow.h"

#include "memoedit.h"
#include "memolabel.h"
#include "notefield.h"
#include "notefile.h"
#include "notemenu.h"
#include "notesurface.h"
#include "pictureview.h"
#include "platform/colourref.h"
#include "platform/droppedfiles.h"
#include "platform/messagebox.h"
#include "platform/picker.h"
#include "platform/pictureloader.h"
#include "platform/webpane.h"
#include "platform/windowposition.h"
#include "resizeborder.h"
#include "tileplan.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QWindow>

namespace {
// The window design, in twips of the inner area.
constexpr double pictureLeft = 150;
constexpr double pictureTop = 150;
constexpr double memoLeft = 150;
constexpr double paneLeft = -30;
constexpr double paneHeight = 945;
constexpr double innerWidth = 4680;
constexpr double innerHeight = 3435;
constexpr float largestFontSize = 2048;

const QString discardQuestion =
    QStringLiteral("この付箋紙を削除します。メモの内容は失われます。よろしいですか？");

// @p font with whichever of the record's font fields convert.
QFont withFontFields(QFont font, const NoteRecord &record)
{
    const QString name = record.field(NoteRecord::FontName);
    if (!name.isEmpty())
        font.setFamily(name);
    const auto size = NoteField::toNumber(record.field(NoteRecord::FontSize));
    if (size && *size > 0 && *size <= largestFontSize)
        font.setPointSizeF(*size);
    if (const auto bold = NoteField::toFlag(record.field(NoteRecord::Bold)))
        font.setBold(*bold);
    if (const auto italic = NoteField::toFlag(record.field(NoteRecord::Italic)))
        font.setItalic(*italic);
    return font;
}

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

std::optional<QColor> colourField(const NoteRecord &record, NoteRecord::Field field)
{
    const auto value = NoteField::toColour(record.field(field));
    return value ? ColourRef::toColor(*value) : std::nullopt;
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
      m_twips(logicalDpiX()), m_editFont(QApplication::font("QPlainTextEdit"))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    setMouseTracking(true);
    setMinimumSize(minimumWindowSize());
    const int border = 2 * ResizeBorder::width;
    resize(m_twips.toPixels(innerWidth) + border, m_twips.toPixels(innerHeight) + border);
    createControls();
    connectSignals();
}

NoteWindow::~NoteWindow() = default;

QUrl NoteWindow::webPage()
{
    return QUrl(QStringLiteral("http://quillnote.example/006/gear.shtml"));
}

QSize NoteWindow::minimumWindowSize()
{
    return QSize(2 * ResizeBorder::width + 16, 2 * ResizeBorder::width + 16);
}

void NoteWindow::createControls()
{
    m_surface = new NoteSurface(this);
    m_surface->setObjectName(QStringLiteral("surface"));

    m_picture = new PictureView(m_surface);
    m_picture->setObjectName(QStringLiteral("picture"));

    m_webPane = new WebPane(m_seams.liveWebPanes, m_surface);
    m_webPane->setObjectName(QStringLiteral("webPane"));

    m_memoLabel = new MemoLabel(m_surface);
    m_memoLabel->setObjectName(QStringLiteral("memoLabel"));

    m_layout.pictureWidth = 615;
    m_layout.pictureHeight = 615;
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
}

void NoteWindow::load()
{
    const NoteRecord record = NoteFile::read(m_notePath);
    applyPicture(record.field(NoteRecord::PicturePath));
    applyGeometry(record);
    applyBackgroundColour(record);
    applyLabelFont(record);
    setEditFont(withFontFields(m_editFont, record));
    const auto paneShown = NoteField::toFlag(record.field(NoteRecord::WebPaneShown));
    if (paneShown)
        m_webPane->setVisible(*paneShown);
    m_memoLabel->setText(record.field(NoteRecord::Memo));
    applyBackgroundPicture(record.field(NoteRecord::BackgroundPath));
    m_webPane->navigate(webPage());
}

// The picture's natural size comes from its header, and the ratio from that
// size, before the window is sized; the pixels are decoded once the picture
// has the size it shows at.
void NoteWindow::applyPicture(const QString &path)
{
    m_picturePath = path;
    const auto natural = PictureLoader::naturalSize(path);
    if (natural)
        m_picture->resize(*natural);
    m_pictureRatio =
        static_cast<float>(m_picture->height()) / static_cast<float>(m_picture->width());
    m_picture->setStretching(true);
    if (natural)
        m_picture->setPicture(path, *natural);
}

void NoteWindow::applyGeometry(const NoteRecord &record)
{
    const auto pixels = [this, &record](NoteRecord::Field field, int current) {
        const auto twips = NoteField::toNumber(record.field(field));
        const auto value = twips ? m_twips.toWindowPixels(*twips) : std::nullopt;
        return value.value_or(current);
    };
    const QRect current = geometry();
    const QRect wanted(pixels(NoteRecord::Left, current.x()), pixels(NoteRecord::Top, current.y()),
                       pixels(NoteRecord::Width, current.width()),
                       pixels(NoteRecord::Height, current.height()));
    // A note too small to see or grab is given the smallest size; it keeps its place.
    setGeometry(QRect(wanted.topLeft(), wanted.size().expandedTo(minimumWindowSize())));
}

void NoteWindow::applyBackgroundColour(const NoteRecord &record)
{
    if (const auto colour = colourField(record, NoteRecord::BackgroundColour))
        m_surface->setBackgroundColour(*colour);
}

// The memo label takes the font and the text colour; the edit box keeps its own colours.
void NoteWindow::applyLabelFont(const NoteRecord &record)
{
    m_memoLabel->setFont(withFontFields(m_memoLabel->font(), record));
    if (const auto colour = colourField(record, NoteRecord::TextColour))
        setTextColour(m_memoLabel, *colour);
}

void NoteWindow::applyBackgroundPicture(const QString &path)
{
    if (path.isEmpty())
        return;
    setBackgroundPicture(PictureLoader::loadShared(path), path);
}

void NoteWindow::setBackgroundPicture(const QPixmap &picture, const QString &path)
{
    m_backgroundPicture = picture;
    m_backgroundPath = path;
    tileBackground();
}

NoteState NoteWindow::state() const
{
    NoteState state;
    state.picturePath = m_picturePath;
    const QPoint position = WindowPosition::of(this);
    state.left = static_cast<float>(m_twips.fromPixels(position.x()));
    state.top = static_cast<float>(m_twips.fromPixels(position.y()));
    state.width = static_cast<float>(m_twips.fromPixels(width()));
    state.height = static_cast<float>(m_twips.fromPixels(height()));
    state.backgroundColour = ColourRef::fromColor(m_surface->backgroundColour());
    const QFont font = m_memoLabel->font();
    state.fontName = font.family();
    state.fontSize = static_cast<float>(font.pointSizeF());
    state.textColour = ColourRef::fromColor(textColour(m_memoLabel));
    state.bold = font.bold();
    state.italic = font.italic();
    state.webPaneShown = !m_webPane->isHidden();
    state.memo = m_memoLabel->text();
    state.backgroundPath = m_backgroundPath;
    return state;
}

void NoteWindow::save()
{
    if (!m_discarded)
        NoteFile::save(m_notePath, state().toRecord());
}

void NoteWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        save();
    }
    event->accept();
}

void NoteWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int border = ResizeBorder::width;
    m_surface->setGeometry(rect().adjusted(border, border, -border, -border));
    layoutNote();
}

void NoteWindow::layoutNote()
{
    NoteLayout current = m_layout;
    current.pictureWidth = m_twips.fromPixels(m_picture->width());
    current.pictureHeight = m_twips.fromPixels(m_picture->height());
    const NoteLayout::Frame frame{m_twips.fromPixels(width()), m_twips.fromPixels(height()),
                                  pictureTop, m_pictureRatio, !m_webPane->isHidden()};
    m_layout = NoteLayout::fitted(current, frame, m_twips);
    placeControls();
    emit layoutDone();
}

void NoteWindow::placeControls()
{
    const auto px = [this](double twips) {
        return m_twips.toPixels(twips);
    };
    m_picture->setGeometry(px(pictureLeft), px(pictureTop), px(m_layout.pictureWidth),
                           px(m_layout.pictureHeight));
    const QRect memo(px(memoLeft), px(m_layout.memoTop), px(m_layout.memoWidth),
                     px(m_layout.memoHeight));
    m_memoLabel->setGeometry(memo);
    if (m_memoEdit)
        m_memoEdit->setGeometry(memo);
    // The pane is nominally far wider than any note; only the part the note shows is made.
    const int paneX = px(paneLeft);
    const int paneWidth = qMin(px(m_layout.paneWidth), qMax(1, m_surface->width() - paneX));
    m_webPane->setGeometry(paneX, px(m_layout.paneTop), paneWidth, px(paneHeight));
}

void NoteWindow::tileBackground()
{
    if (m_backgroundPicture.isNull())
        return;
    const QSize size = m_backgroundPicture.deviceIndependentSize().toSize();
    const TilePlan plan =
        TilePlan::forPicture(m_twips.fromPixels(size.width()), m_twips.fromPixels(size.height()));
    m_surface->addTiles(m_backgroundPicture, plan.columns, plan.rows);
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
    edit->setPlainText(m_memoLabel->text());
    edit->show();
    activateWindow();
    edit->setFocus(Qt::MouseFocusReason);
    m_memoLabel->hide();
}

void NoteWindow::endEdit()
{
    if (!m_memoEdit || m_memoEdit->isHidden())
        return;
    m_memoLabel->setText(m_memoEdit->toPlainText());
    m_memoEdit->hide();
    m_memoLabel->show();
}

void NoteWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && startResize(event))
        return;
    if (event->button() == Qt::LeftButton)
        m_dragging = true;
    if (event->button() == Qt::RightButton) {
        // A command of the menu may close the note; a closed note is not touched again.
        const QPointer<NoteWindow> alive(this);
        showMenu(event->globalPosition().toPoint());
        if (!alive || m_closed)
            return;
    }
    m_grab = event->position();
    endEdit();
}

void NoteWindow::showMenu(const QPoint &globalPos)
{
    menu()->exec(globalPos);
}

bool NoteWindow::startResize(const QMouseEvent *event)
{
    const Qt::Edges edges = ResizeBorder::edgesAt(event->position().toPoint(), size());
    if (!edges)
        return false;
    if (windowHandle() && windowHandle()->startSystemResize(edges))
        return true;
    // The window manager would not resize the window: resize it by hand.
    m_resizeEdges = edges;
    m_resizeStart = geometry();
    m_resizeGrab = event->globalPosition();
    return true;
}

void NoteWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_resizeEdges) {
        const QPoint delta = (event->globalPosition() - m_resizeGrab).toPoint();
        setGeometry(ResizeBorder::resized(m_resizeStart, m_resizeEdges, delta, minimumSize()));
        return;
    }
    if (!m_dragging) {
        // Moves without a button pass here all the time: the pointer is set only when it changes.
        const Qt::CursorShape shape =
            ResizeBorder::cursorFor(ResizeBorder::edgesAt(event->position().toPoint(), size()));
        if (cursor().shape() != shape)
            setCursor(shape);
        return;
    }
    move((event->globalPosition() - m_grab).toPoint());
}

void NoteWindow::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
    m_resizeEdges = {};
}

void NoteWindow::dragEnterEvent(QDragEnterEvent *event)
{
    DroppedFiles::acceptIfFiles(event);
}

void NoteWindow::dragMoveEvent(QDragMoveEvent *event)
{
    DroppedFiles::acceptIfFiles(event);
}

void NoteWindow::dropEvent(QDropEvent *event)
{
    const QString path = DroppedFiles::firstLocalFile(event->mimeData());
    const QPixmap picture = path.isEmpty() ? QPixmap() : PictureLoader::loadShared(path);
    if (picture.isNull())
        return;
    event->acceptProposedAction();
    setBackgroundPicture(picture, path);
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
}

void NoteWindow::chooseTextColour()
{
    m_picker->settings().colour = ColourRef::fromColor(textColour(m_memoLabel));
    m_picker->showColour(this);
    if (const auto colour = ColourRef::toColor(m_picker->settings().colour))
        setTextColour(m_memoLabel, *colour);
}

void NoteWindow::chooseBackgroundColour()
{
    m_picker->settings().colour = ColourRef::fromColor(m_surface->backgroundColour());
    m_picker->showColour(this);
    if (const auto colour = ColourRef::toColor(m_picker->settings().colour))
        m_surface->setBackgroundColour(*colour);
}

void NoteWindow::cancelBackgroundPicture()
{
    m_surface->clearTiles();
    m_backgroundPicture = QPixmap();
    m_backgroundPath.clear();
}

void NoteWindow::toggleWebPane()
{
    m_webPane->setVisible(m_webPane->isHidden());
    layoutNote();
}

void NoteWindow::discard()
{
    if (!m_seams.messageBox->confirm(this, discardQuestion))
        return;
    // From here on the note's file is never written again, deleted or not.
    m_discarded = true;
    QFile::remove(m_notePath);
    // A file that could not be deleted would bring the note back at the next
    // start: the note stays open rather than seem gone.
    if (QFile::exists(m_notePath))
        return;
    close();
}
