// SPDX-License-Identifier: MIT
#include "ui/shell/startuphold.h"

#include "core/reads/picturepool.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

StartupHold *StartupHold::begin(PicturePool &pool)
{
    pool.holdBack();
    return new StartupHold(pool, qApp);
}

void StartupHold::watch(QWidget *window)
{
    m_waiting.insert(window);
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, &StartupHold::done);
}

void StartupHold::releaseWhenPainted(std::chrono::milliseconds deadline)
{
    m_armed = true;
    QTimer::singleShot(deadline, this, &StartupHold::release);
    releaseIfDone();
}

bool StartupHold::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        done(watched);
    }
    return false;
}

void StartupHold::done(QObject *window)
{
    m_waiting.remove(window);
    releaseIfDone();
}

void StartupHold::releaseIfDone()
{
    if (m_armed && m_waiting.isEmpty())
        release();
}

void StartupHold::release()
{
    if (m_released)
        return;
    m_released = true;
    if (m_pool)
        m_pool->release();
    deleteLater();
}
