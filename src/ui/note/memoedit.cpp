// SPDX-License-Identifier: MIT
#include "ui/note/memoedit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QTextBlock>
#include <QTimer>

namespace {
// A block longer than this is split into pieces about half as long: laying
// out one of a few thousand characters stays well within a keystroke.
constexpr int longestBlock = 4096;
constexpr int pieceLength = 2048;

// Marks the character format of a block that continues the one before it.
constexpr int continuesProperty = QTextFormat::UserProperty + 1;

bool continues(const QTextBlock &block)
{
    return block.charFormat().boolProperty(continuesProperty);
}

QTextCharFormat continuingFormat()
{
    QTextCharFormat format;
    format.setProperty(continuesProperty, true);
    return format;
}

// Scripts written without spaces (Japanese among them) break between characters.
bool breaksAfter(QChar c)
{
    return c.isSpace() || c.unicode() >= 0x2E80;
}

// Where, from @p start of @p text, the next piece ends: after the last break
// opportunity of its second half, or at its full length; never inside a
// surrogate pair.
int pieceEnd(QStringView text, int start)
{
    const int end = start + pieceLength;
    for (int at = end; at > start + pieceLength / 2; --at)
        if (breaksAfter(text[at - 1]))
            return at;
    return text[end - 1].isHighSurrogate() ? end - 1 : end;
}

// @p text with most of its line breaks made breaks within a block: a block
// ends only where a piece has reached its length, so that many short lines
// make a few thousand blocks, not hundreds of thousands (each costs the box
// time as it goes in). Both kinds of break read back as a line break.
QString grouped(QString text)
{
    qsizetype pieceStart = 0;
    for (qsizetype at = text.indexOf(QLatin1Char('\n')); at >= 0;
         at = text.indexOf(QLatin1Char('\n'), at + 1)) {
        if (at - pieceStart < pieceLength)
            text[at] = QChar::LineSeparator;
        else
            pieceStart = at + 1;
    }
    return text;
}

// The positions in @p text, a block's text, after which it is split.
QList<int> splitPoints(QStringView text)
{
    QList<int> points;
    for (int start = 0; text.size() - start > longestBlock;) {
        start = pieceEnd(text, start);
        points.append(start);
    }
    return points;
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
    // Typing that makes a paragraph too long is split in the same step of the undo history.
    // Only the blocks that the edit touched are looked at: a keystroke does not scan the memo.
    connect(document(), &QTextDocument::contentsChange, this, [this](int at, int, int added) {
        if (added <= 0)
            return;
        if (m_splitPending) {
            // Text put in before the range moves it on.
            m_splitTo = std::max(at <= m_splitTo ? m_splitTo + added : m_splitTo, at + added);
            m_splitFrom = std::min(m_splitFrom, at);
            return;
        }
        m_splitPending = true;
        m_splitFrom = at;
        m_splitTo = at + added;
        QTimer::singleShot(0, this, [this] {
            m_splitPending = false;
            QTextCursor step(document());
            step.joinPreviousEditBlock();
            splitLongBlocks(m_splitFrom, m_splitTo);
            step.endEditBlock();
        });
    });
}

void MemoEdit::setMemo(const QString &memo)
{
    m_hasPieces = false;
    if (memo.size() <= longestBlock) {
        setPlainText(memo);
        return;
    }
    // Splitting the memo as it goes in is no edit that could be undone, and
    // the box lays it out once, split.
    clear();
    document()->setUndoRedoEnabled(false);
    QTextCursor step(document());
    step.beginEditBlock();
    step.insertText(grouped(memo), QTextCharFormat());
    splitLongBlocks(0, step.position());
    step.endEditBlock();
    document()->setUndoRedoEnabled(true);
    moveCursor(QTextCursor::Start);
}

// Each long block from @p from to @p to is split, from the end backwards,
// so that the positions still to split stay where they are.
void MemoEdit::splitLongBlocks(int from, int to)
{
    QTextCursor cursor(document());
    const int last = std::min(to, document()->characterCount() - 1);
    for (QTextBlock block = document()->findBlock(last);
         block.isValid() && block.position() + block.length() > from; block = block.previous()) {
        if (block.length() <= longestBlock)
            continue;
        const QList<int> points = splitPoints(block.text());
        const int position = block.position();
        m_hasPieces = true;
        for (auto point = points.crbegin(); point != points.crend(); ++point) {
            cursor.setPosition(position + *point);
            cursor.insertBlock(block.blockFormat(), continuingFormat());
        }
    }
}

QString MemoEdit::memo() const
{
    // Without pieces, as the box gives it: no block needs looking at.
    if (!m_hasPieces)
        return document()->toPlainText();
    return textBetween(0, document()->characterCount() - 1);
}

// The text from @p start to @p end, a line break where a paragraph ends and
// nothing between the pieces of one. The box's plain text has one character
// for each position: the break before each continuing block is left out.
QString MemoEdit::textBetween(int start, int end) const
{
    const QString plain = document()->toPlainText();
    QString text;
    text.reserve(end - start);
    int from = start;
    for (QTextBlock block = document()->findBlock(start).next();
         block.isValid() && block.position() <= end; block = block.next()) {
        if (!continues(block))
            continue;
        const int breakAt = block.position() - 1;
        text += QStringView(plain).mid(from, breakAt - from);
        from = breakAt + 1;
    }
    text += QStringView(plain).mid(from, end - from);
    return text;
}

QMimeData *MemoEdit::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    auto *data = new QMimeData;
    data->setText(textBetween(cursor.selectionStart(), cursor.selectionEnd()));
    return data;
}

void MemoEdit::keyPressEvent(QKeyEvent *event)
{
    QTextCursor cursor = textCursor();
    const bool plain = !cursor.hasSelection() && event->modifiers() == Qt::NoModifier;
    // The break between two pieces is no character: Backspace and Delete
    // take the character beyond it.
    if (plain && event->key() == Qt::Key_Backspace && cursor.atBlockStart() &&
        continues(cursor.block()))
        cursor.movePosition(QTextCursor::PreviousCharacter);
    else if (plain && event->key() == Qt::Key_Delete && cursor.atBlockEnd() &&
             continues(cursor.block().next()))
        cursor.movePosition(QTextCursor::NextCharacter);
    if (cursor.position() != textCursor().position())
        setTextCursor(cursor);
    // A new paragraph never continues the one before, whatever the cursor's format.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cursor.insertBlock(cursor.blockFormat(), QTextCharFormat());
        setTextCursor(cursor);
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MemoEdit::insertFromMimeData(const QMimeData *source)
{
    // Pasted paragraphs start afresh: none continues the one before.
    if (!source->hasText())
        return;
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    const int start = cursor.selectionStart();
    cursor.insertText(grouped(source->text()), QTextCharFormat());
    splitLongBlocks(start, cursor.position());
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void MemoEdit::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    // Switching to another window or opening a menu leaves the memo being edited.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        emit focusLost();
}
