// SPDX-License-Identifier: MIT
#pragma once

#include "core/reads/picturepool.h"

#include <QObject>
#include <QPointer>
#include <QSet>

#include <chrono>

/**
 * Holds the picture pool back while the notes of start-up come onto the
 * screen. Decoding a hundred photographs takes seconds of every processor;
 * at full strength while later windows are still being mapped, it would hold
 * them up. The pool is released once every watched window has been painted
 * or has gone, or when the deadline passes (a window placed off the screen
 * is never painted). The hold deletes itself when it releases, or goes with
 * the application.
 */
class StartupHold final : public QObject
{
    Q_OBJECT
public:
    /** Holds @p pool back from now on, until the hold releases it. */
    static StartupHold *begin(PicturePool &pool);

    /** Counts @p window among the windows to be painted before the pool is released. */
    void watch(QWidget *window);
    /**
     * Releases the pool once every watched window has been painted or has
     * gone (at once if that is so already), at the latest after @p deadline.
     */
    void releaseWhenPainted(std::chrono::milliseconds deadline);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StartupHold(PicturePool &pool, QObject *parent) : QObject(parent), m_pool(&pool) {}
    void done(QObject *window);
    void releaseIfDone();
    void release();

    QPointer<PicturePool> m_pool;
    QSet<QObject *> m_waiting;
    bool m_armed = false;
    bool m_released = false;
};
