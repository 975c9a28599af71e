// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>

#include <functional>

/**
 * Acts on the pop-up menu that a press is about to open and that waits
 * modally: once it is on screen, @p act runs with it.
 */
inline void whenMenuOpens(std::function<void(QMenu *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            timer->stop();
            timer->deleteLater();
            act(menu);
        }
    });
    timer->start();
}

/** Chooses the item named @p name of the open menu, as a click on it would. */
inline void chooseItem(QMenu *menu, const QString &name)
{
    QAction *action = menu->findChild<QAction *>(name);
    menu->close();
    if (action)
        action->trigger();
}
