// SPDX-License-Identifier: MIT
#include "ui/note/lockmark.h"

#include <QEvent>
#include <QPainter>

namespace {
constexpr int side = 14;
constexpr int margin = 3;
const QColor body(0x60, 0x60, 0x60);
} // namespace

LockMark::LockMark(QWidget *note) : QWidget(note)
{
    setObjectName(QStringLiteral("lockMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(side, side);
    note->installEventFilter(this);
    keepToCorner();
    hide();
}

bool LockMark::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        keepToCorner();
    return QWidget::eventFilter(watched, event);
}

void LockMark::keepToCorner()
{
    move(parentWidget()->width() - side - margin, margin);
    raise();
}

void LockMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The shackle over the body, drawn on a light ground so that it shows on any colour.
    painter.setPen(QPen(body, 2));
    painter.drawArc(QRectF(3.5, 1.5, 7, 8), 0, 180 * 16);
    painter.drawLine(QPointF(3.5, 5.5), QPointF(3.5, 7));
    painter.drawLine(QPointF(10.5, 5.5), QPointF(10.5, 7));
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(1.5, 6.5, 11, 7), 1.5, 1.5);
}
