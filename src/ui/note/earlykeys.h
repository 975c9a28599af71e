// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/recentkeys.h"

#include <QObject>

#include <chrono>

class QTimer;
class QWidget;

/**
 * Keys typed right after the click that starts editing a memo, before the
 * window system has given the note the keyboard (a busy machine, a slow
 * window manager): they reach another window of the program, the one that
 * had the keyboard, and are handed to the edit box in the order typed.
 * The catch ends at the first key that reaches the box itself, or after a
 * while: from then on a key elsewhere is meant for where it went.
 */
class EarlyKeys final : public QObject
{
    Q_OBJECT
public:
    explicit EarlyKeys(QWidget *box);

    /**
     * Hands the box @p earlier, keys typed since the click that reached
     * another window first, then for @p span the keys that reach other
     * widgets of the program.
     */
    void catchFor(std::chrono::milliseconds span, const QList<RecentKeys::Key> &earlier);
    void stop();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hand(const RecentKeys::Key &key);

    QWidget *m_box;
    QTimer *m_until;
    bool m_catching = false;
    bool m_handing = false;
};
