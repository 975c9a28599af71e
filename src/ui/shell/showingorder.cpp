// SPDX-License-Identifier: MIT
#include "ui/shell/showingorder.h"

#include <algorithm>
#include <utility>

ShowingOrder::ShowingOrder(Patience patience, QObject *parent)
    : QObject(parent), m_patience(std::move(patience))
{
    m_headTimer.setSingleShot(true);
    connect(&m_headTimer, &QTimer::timeout, this, &ShowingOrder::giveUpOnHead);
}

void ShowingOrder::enqueue(QObject *note, const std::function<void()> &show)
{
    m_line.push_back({note, show});
}

void ShowingOrder::ready(QObject *note)
{
    if (const auto late = m_late.find(note); late != m_late.end()) {
        const std::function<void()> show = late.value();
        m_late.erase(late);
        show();
        return;
    }
    const auto waiting = std::find_if(m_line.begin(), m_line.end(),
                                      [note](const Waiting &entry) { return entry.note == note; });
    if (waiting == m_line.end())
        return;
    waiting->ready = true;
    showInOrder();
}

void ShowingOrder::showInOrder()
{
    while (!m_line.empty()) {
        const Waiting head = m_line.front();
        if (head.note && !head.ready) {
            waitFor(head.note);
            return;
        }
        m_line.pop_front();
        if (head.note)
            head.show();
    }
    m_headTimer.stop();
}

void ShowingOrder::waitFor(QObject *head)
{
    if (m_timedHead == head && m_headTimer.isActive())
        return;
    m_timedHead = head;
    m_headTimer.start(m_patience());
}

void ShowingOrder::giveUpOnHead()
{
    if (m_line.empty() || m_line.front().note != m_timedHead || !m_timedHead)
        return;
    m_late.insert(m_timedHead.data(), m_line.front().show);
    m_line.pop_front();
    showInOrder();
}
