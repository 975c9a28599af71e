// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QSet>

#include <chrono>

/**
 * Holds the picture pool back while the notes of start-up come onto the
 * screen. Decoding a hundred photographs takes seconds of every processor;
 * at full strength while later windows are still being mapped, it would hold
 * them up. The pool is released once every watched window has been painted
 * or has gone, or when the deadline passes (a window placed off the screen
 * is never painted). The hold deletes itself when it releases.
 */
class StartupHold final : public QObject
{
    Q_OBJECT
public:
    /** Holds the picture pool back until each of @p windows has been painted, at most @p deadline.
     */
    static void untilPainted(const QList<QWidget *> &windows, std::chrono::milliseconds deadline);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit StartupHold(const QList<QWidget *> &windows);
    void done(QObject *window);
    void release();

    QSet<QObject *> m_waiting;
    bool m_released = false;
};
