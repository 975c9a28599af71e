// SPDX-License-Identifier: MIT
#include "ui/desktop/recentkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace {
// Keys older than this are no typing that a click may have overtaken.
constexpr ulong keptMs = 2000;
constexpr qsizetype mostKeys = 256;
} // namespace

RecentKeys::RecentKeys()
{
    QCoreApplication::instance()->installEventFilter(this);
}

RecentKeys::~RecentKeys() = default;

QList<RecentKeys::Key> RecentKeys::takeSince(ulong timestamp)
{
    QList<Key> since;
    for (const Key &key : std::as_const(m_keys))
        if (key.timestamp >= timestamp)
            since.append(key);
    m_keys.clear();
    return since;
}

bool RecentKeys::eventFilter(QObject *watched, QEvent *event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!key || !watched->isWidgetType())
        return false;
    // A text box takes its own keys.
    if (static_cast<QWidget *>(watched)->testAttribute(Qt::WA_InputMethodEnabled))
        return false;
    const auto *typed = static_cast<QKeyEvent *>(event);
    const ulong now = typed->timestamp();
    if (!m_keys.isEmpty() && typed == m_last && m_keys.last().timestamp == now &&
        m_keys.last().key == typed->key() && m_keys.last().type == typed->type())
        return false;
    m_last = typed;
    m_keys.erase(std::remove_if(m_keys.begin(), m_keys.end(),
                                [now](const Key &old) { return old.timestamp + keptMs < now; }),
                 m_keys.end());
    if (m_keys.size() >= mostKeys)
        m_keys.removeFirst();
    m_keys.append({typed->type(), typed->key(), int(typed->modifiers()), typed->text(),
                   typed->isAutoRepeat(), now});
    return false;
}
