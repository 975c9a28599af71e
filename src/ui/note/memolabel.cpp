// SPDX-License-Identifier: MIT
#include "ui/note/memolabel.h"

#include <QFontMetrics>
#include <QMouseEvent>

#include <algorithm>

MemoLabel::MemoLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCursor(Qt::IBeamCursor);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
}

void MemoLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_pressed = event->timestamp();
}

void MemoLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_pressed);
}

void MemoLabel::setMemo(const QString &memo)
{
    m_memo = memo;
    showFittingPart();
}

void MemoLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showFittingPart();
}

void MemoLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        showFittingPart();
}

void MemoLabel::showFittingPart()
{
    // Every character is at least a pixel wide, so no more than a box's
    // width of characters fits on one of its lines; two lines more keep the
    // last shown line broken as the whole memo would break it.
    const int lines = height() / std::max(1, QFontMetrics(font()).lineSpacing()) + 2;
    const qsizetype most = qsizetype(lines) * (width() + 1);
    setText(m_memo.size() > most ? m_memo.left(most) : m_memo);
}
