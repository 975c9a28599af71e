// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <deque>
#include <functional>

/**
 * Puts notes onto the screen in the order they were opened, so that the
 * notes of start-up overlap as the note table orders them (a later note
 * above an earlier one), although their files and pictures are read on
 * many threads at once. A note that is not ready within a moment (its file
 * on a stalled share) holds the later ones back no longer: it comes onto
 * the screen when it is ready.
 */
class ShowingOrder final : public QObject
{
    Q_OBJECT
public:
    /** How long the note first in line may hold the later ones back. */
    using Patience = std::function<std::chrono::milliseconds()>;
    ShowingOrder(Patience patience, QObject *parent);

    /** Puts @p note last in line; @p show puts it on the screen once it is ready and its turn. */
    void enqueue(QObject *note, const std::function<void()> &show);
    /** @p note is ready to be shown. */
    void ready(QObject *note);

private:
    struct Waiting
    {
        QPointer<QObject> note;
        std::function<void()> show;
        bool ready = false;
    };
    void showInOrder();
    void waitFor(QObject *head);
    void giveUpOnHead();

    Patience m_patience;
    std::deque<Waiting> m_line;
    /** Notes that lost their turn, shown whenever they are ready. */
    QHash<QObject *, std::function<void()>> m_late;
    QTimer m_headTimer;
    QPointer<QObject> m_timedHead;
};
