// SPDX-License-Identifier: MIT
#include "ui/note/earlykeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

EarlyKeys::EarlyKeys(QWidget *box) : QObject(box), m_box(box), m_until(new QTimer(this))
{
    m_until->setSingleShot(true);
    connect(m_until, &QTimer::timeout, this, &EarlyKeys::stop);
}

void EarlyKeys::catchFor(std::chrono::milliseconds span, const QList<RecentKeys::Key> &earlier)
{
    for (const RecentKeys::Key &key : earlier)
        hand(key);
    if (!m_catching)
        QCoreApplication::instance()->installEventFilter(this);
    m_catching = true;
    m_until->start(span);
}

void EarlyKeys::stop()
{
    if (!m_catching)
        return;
    m_catching = false;
    m_until->stop();
    QCoreApplication::instance()->removeEventFilter(this);
}

bool EarlyKeys::eventFilter(QObject *watched, QEvent *event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    // A key comes to the window first and then to its widget: the widget's is handed on.
    if (!key || !watched->isWidgetType() || m_handing)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget == m_box || m_box->isAncestorOf(widget)) {
        stop();
        return false;
    }
    const auto *typed = static_cast<QKeyEvent *>(event);
    hand({typed->type(), typed->key(), int(typed->modifiers()), typed->text(),
          typed->isAutoRepeat(), typed->timestamp()});
    return true;
}

void EarlyKeys::hand(const RecentKeys::Key &key)
{
    QKeyEvent handed(QEvent::Type(key.type), key.key, Qt::KeyboardModifiers(key.modifiers),
                     key.text, key.autoRepeat);
    // The handed key passes through here too, and is no sign that the box has the keyboard.
    m_handing = true;
    QCoreApplication::sendEvent(m_box, &handed);
    m_handing = false;
}
