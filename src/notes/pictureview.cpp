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
    m_pixmap = QPixmap();
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
    if (m_path.isEmpty() || wanted.isEmpty() || m_decoding || !m_onScreen)
        return;
    const QSize have = m_pixmap.isNull() ? m_decodingFor : m_pixmap.size();
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
    if (!image.isNull())
        m_pixmap = QPixmap::fromImage(image);
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

void PictureView::paintEvent(QPaintEvent *)
{
    // Decoding starts once the note is on the screen: a note with a picture
    // appears as fast as one without, and the picture follows.
    if (!m_onScreen) {
        m_onScreen = true;
        decodeIfNeeded();
    }
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretching)
        painter.drawPixmap(rect(), m_pixmap);
    else
        painter.drawPixmap(QRect(QPoint(0, 0), m_naturalSize), m_pixmap);
}
