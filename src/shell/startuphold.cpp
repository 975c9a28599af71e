// SPDX-License-Identifier: MIT
#include "startuphold.h"

#include "platform/picturepool.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

void StartupHold::untilPainted(const QList<QWidget *> &windows, std::chrono::milliseconds deadline)
{
    if (windows.isEmpty())
        return;
    PicturePool::instance()->holdBack();
    auto *hold = new StartupHold(windows);
    QTimer::singleShot(deadline, hold, &StartupHold::release);
}

StartupHold::StartupHold(const QList<QWidget *> &windows)
{
    for (QWidget *window : windows) {
        m_waiting.insert(window);
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, this, &StartupHold::done);
    }
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
    if (m_waiting.isEmpty())
        release();
}

void StartupHold::release()
{
    if (m_released)
        return;
    m_released = true;
    PicturePool::instance()->release();
    deleteLater();
}
