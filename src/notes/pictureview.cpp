// SPDX-License-Identifier: MIT
#include "pictureview.h"

#include "platform/pictureloader.h"

#include <QFutureWatcher>
#include <QPainter>

PictureView::PictureView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

PictureView::~PictureView() = default;

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
    m_decoding->setFuture(PictureLoader::decodeLater(m_path, wanted));
}

void PictureView::takeDecoded()
{
    const QImage image = m_decoding->result();
    m_decoding->deleteLater();
    m_decoding = nullptr;
    if (image.isNull() && m_pixels.isNull()) {
        m_path.clear();
        emit decodeFailed();
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

void PictureView::paintEvent(QPaintEvent *)
{
    if (m_pixels.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretching)
        painter.drawImage(rect(), m_pixels);
    else
        painter.drawImage(QRect(QPoint(0, 0), m_naturalSize), m_pixels);
}
