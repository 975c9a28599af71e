// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

/**
 * The memo while it is edited: multi-line, pale yellow with dark grey text
 * whatever the memo's colours are. Files dropped on it belong to the note,
 * so it takes no drops itself.
 */
class MemoEdit final : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MemoEdit(QWidget *parent = nullptr);

signals:
    void focusLost();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
