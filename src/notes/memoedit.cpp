// SPDX-License-Identifier: MIT
#include "memoedit.h"

#include <QFocusEvent>
#include <QPalette>

MemoEdit::MemoEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xC0));
    colours.setColor(QPalette::Text, QColor(0x40, 0x40, 0x40));
    setPalette(colours);
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
}

void MemoEdit::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    // Switching to another window or opening a menu leaves the memo being edited.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        emit focusLost();
}
