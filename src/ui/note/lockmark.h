// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

/**
 * The small padlock in a locked note's top right corner, over everything
 * else the note shows; the pointer passes through it. It keeps to the
 * corner as the note is resized.
 */
class LockMark final : public QWidget
{
    Q_OBJECT
public:
    explicit LockMark(QWidget *note);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void keepToCorner();
};
