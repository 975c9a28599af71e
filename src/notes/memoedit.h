// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

/**
 * The memo while it is edited: multi-line, pale yellow with dark grey text
 * whatever the memo's colours are. Files dropped on it belong to the note,
 * so it takes no drops itself. Lines break between words; once the memo
 * holds a run too long for that to stay quick (a pasted hash list), they
 * break anywhere instead.
 */
class MemoEdit final : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MemoEdit(QWidget *parent = nullptr);

    /** Starts editing @p memo, breaking its lines as its longest run allows. */
    void setMemo(const QString &memo);

signals:
    void focusLost();

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
};
