// SPDX-License-Identifier: MIT
#include "memolabel.h"

#include <QMouseEvent>

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
}

void MemoLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
