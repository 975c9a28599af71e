// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

/**
 * The memo as it is shown: plain text, wrapped, on a transparent background,
 * with the text-insertion pointer. A click on it starts editing; a press on
 * it never drags the note.
 */
class MemoLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit MemoLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
