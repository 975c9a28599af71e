// SPDX-License-Identifier: MIT
#include "memoedit.h"

#include <QFocusEvent>
#include <QMimeData>
#include <QPalette>
#include <QTextBlock>

namespace {
// Breaking between words scans a run to its end for every line it fills, so
// the time grows with the square of the run: a few thousand characters stay
// quick, a pasted hash list of megabytes would hold the window for minutes.
constexpr qsizetype longestQuickRun = 4096;

// Scripts written without spaces (Japanese among them) break between characters.
bool breaksAfter(QChar c)
{
    return c.isSpace() || c.unicode() >= 0x2E80;
}

bool hasLongRun(QStringView text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = breaksAfter(c) ? 0 : run + 1;
        if (run > longestQuickRun)
            return true;
    }
    return false;
}
} // namespace

MemoEdit::MemoEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xC0));
    colours.setColor(QPalette::Text, QColor(0x40, 0x40, 0x40));
    setPalette(colours);
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
}

void MemoEdit::setMemo(const QString &memo)
{
    // The mode is set once, before the memo goes in, and with the box empty:
    // a change of mode lays out again whatever the box holds.
    const QTextOption::WrapMode mode =
        hasLongRun(memo) ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (mode != wordWrapMode()) {
        clear();
        setWordWrapMode(mode);
    }
    setPlainText(memo);
}

void MemoEdit::insertFromMimeData(const QMimeData *source)
{
    // The pasted text joins the run at the cursor.
    if (source->hasText() && wordWrapMode() != QTextOption::WrapAnywhere &&
        hasLongRun(QString(textCursor().block().text() + source->text())))
        setWordWrapMode(QTextOption::WrapAnywhere);
    QPlainTextEdit::insertFromMimeData(source);
}

void MemoEdit::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    // Switching to another window or opening a menu leaves the memo being edited.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        emit focusLost();
}
