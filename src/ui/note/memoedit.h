// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

/**
 * The memo while it is edited: multi-line, pale yellow with dark grey text
 * whatever the memo's colours are. Files dropped on it belong to the note,
 * so it takes no drops itself.
 *
 * The box lays out a whole paragraph again at every keystroke, so a long
 * paragraph is held as pieces of a few thousand characters, each a block of
 * its own that goes on the next line; the breaks between the pieces are no
 * part of the memo. They are made when the memo goes in and whenever an edit
 * makes a paragraph too long, and are kept out of the memo and of what is
 * copied; Backspace and Delete step over them.
 */
class MemoEdit final : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MemoEdit(QWidget *parent = nullptr);

    /** Starts editing @p memo. */
    void setMemo(const QString &memo);
    /** The memo as it stands in the box, without the breaks between pieces. */
    QString memo() const;

signals:
    void focusLost();

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    QString textBetween(int start, int end) const;
    void splitLongBlocks(int from, int to);

    bool m_splitPending = false;
    /** Where the edits since the last split put text in. */
    int m_splitFrom = 0;
    int m_splitTo = 0;
    /** Whether the memo has been split into pieces since it went in. */
    bool m_hasPieces = false;
};
