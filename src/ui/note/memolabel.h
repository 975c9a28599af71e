// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

/**
 * The memo as it is shown: plain text, wrapped, on a transparent background,
 * with the text-insertion pointer. A click on it starts editing; a press on
 * it never drags the note. It keeps the whole memo but lays out only as much
 * of its beginning as the box can show, so a memo of megabytes shows as fast
 * as a short one.
 */
class MemoLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit MemoLabel(QWidget *parent = nullptr);

    /** The whole memo (the label's own text is the part that fits). */
    const QString &memo() const { return m_memo; }
    void setMemo(const QString &memo);

signals:
    /** A left click; @p pressed is the window system's time of its press. */
    void clicked(ulong pressed);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showFittingPart();

    QString m_memo;
    ulong m_pressed = 0;
};
