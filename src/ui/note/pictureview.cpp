// SPDX-License-Identifier: MIT
#include "ui/note/pictureview.h"

#include "core/reads/picturereads.h"

#include <QFutureWatcher>
#include <QPainter>

#include <cmath>

PictureView::PictureView(PictureReads &reads, QWidget *parent) : QWidget(parent), m_reads(reads)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

PictureView::~PictureView() = default;

void PictureView::open(const QString &path, int designSide)
{
    m_source = path;
    m_designSide = designSide;
    m_settled = false;
    setStretching(true);
    takeNaturalSize(std::nullopt);
    const QFuture<std::optional<QSize>> header = m_reads.naturalSize(path);
    SlowReads::deliver(header, this, [this, path](const std::optional<QSize> &natural) {
        if (m_source != path)
            return;
        if (natural) {
            takeNaturalSize(natural);
            emit shapeChanged();
        }
        settle();
    });
    m_reads.slowReads().whenLate(header, this, [this, path] {
        if (m_source == path)
            settle();
    });
}

void PictureView::settle()
{
    if (m_settled)
        return;
    m_settled = true;
    emit settled();
}

void PictureView::takeNaturalSize(const std::optional<QSize> &natural)
{
    if (natural)
        resize(*natural);
    m_ratio = static_cast<float>(height()) / static_cast<float>(width());
    if (natural)
        setPicture(m_source, *natural);
}

void PictureView::setPicture(const QString &path, const QSize &naturalSize)
{
    m_path = path;
    m_naturalSize = naturalSize;
    m_pixels = QImage();
    m_decodingFor = QSize();
    decodeIfNeeded();
}

void PictureView::setStretching(bool stretching)
{
    m_stretching = stretching;
    update();
}

QSize PictureView::wantedPixels() const
{
    if (!m_stretching)
        return m_naturalSize;
    const QSize shown = (QSizeF(size()) * devicePixelRatioF()).toSize();
    return shown.boundedTo(m_naturalSize);
}

void PictureView::decodeIfNeeded()
{
    const QSize wanted = wantedPixels();
    if (m_path.isEmpty() || wanted.isEmpty() || m_decoding || !m_shown)
        return;
    const QSize have = m_pixels.isNull() ? m_decodingFor : m_pixels.size();
    if (have.width() >= wanted.width() && have.height() >= wanted.height())
        return;
    m_decodingFor = wanted;
    m_decoding = new QFutureWatcher<QImage>(this);
    connect(m_decoding, &QFutureWatcher<QImage>::finished, this, &PictureView::takeDecoded);
    m_decoding->setFuture(m_reads.decode(m_path, wanted));
}

void PictureView::takeDecoded()
{
    const QImage image = m_decoding->result();
    m_decoding->deleteLater();
    m_decoding = nullptr;
    if (image.isNull() && m_pixels.isNull()) {
        // A picture whose header read but whose pixels did not is laid out
        // as one that does not load: the design's box and its proportions.
        m_path.clear();
        resize(m_designSide, m_designSide);
        m_ratio = 1;
        emit decodeFailed();
        emit shapeChanged();
        return;
    }
    if (!image.isNull())
        m_pixels = image;
    update();
    emit pictureReady();
    if (!image.isNull())
        decodeIfNeeded();
}

void PictureView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    decodeIfNeeded();
}

void PictureView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Decoding starts once the note is laid out and shown, at the size it shows.
    m_shown = true;
    decodeIfNeeded();
}

namespace {
// Whether @p pixels fill @p device pixels with whole blocks of pixels each:
// so they are painted, every one sharp, without blending neighbours (a
// picture shown at its size on a screen of twice the density, say).
bool fillsInWholeBlocks(const QSize &pixels, const QSizeF &device)
{
    const double across = device.width() / pixels.width();
    const double down = device.height() / pixels.height();
    const auto whole = [](double steps) {
        return steps >= 1 && std::abs(steps - std::round(steps)) < 1e-6;
    };
    return whole(across) && whole(down);
}
} // namespace

void PictureView::paintEvent(QPaintEvent *)
{
    if (m_pixels.isNull())
        return;
    QPainter painter(this);
    const QSize shown = m_stretching ? size() : m_naturalSize;
    painter.setRenderHint(
        QPainter::SmoothPixmapTransform,
        !fillsInWholeBlocks(m_pixels.size(), QSizeF(shown) * devicePixelRatioF()));
    if (m_stretching)
        painter.drawImage(rect(), m_pixels);
    else
        painter.drawImage(QRect(QPoint(0, 0), m_naturalSize), m_pixels);
}
