// SPDX-License-Identifier: MIT
#include "core/rules/livepanes.h"

#include <algorithm>

LivePanes::LivePanes(int views) : m_views(std::max(views, 2)) {}

int LivePanes::use(int pane)
{
    if (m_recent.removeOne(pane)) {
        m_recent.prepend(pane);
        return 0;
    }
    int gaveWay = 0;
    if (m_recent.size() >= m_views) {
        // At most two panes are worked with, the one asking among them, so
        // with two views or more another pane can always give way.
        const auto oldest = std::find_if(m_recent.crbegin(), m_recent.crend(),
                                         [this](int live) { return !isWorkedWith(live); });
        gaveWay = *oldest;
        m_recent.removeOne(gaveWay);
    }
    m_recent.prepend(pane);
    return gaveWay;
}

int LivePanes::pointerEntered(int pane)
{
    m_pointer = pane;
    return use(pane);
}

void LivePanes::pointerLeft(int pane)
{
    if (m_pointer == pane)
        m_pointer = 0;
}

int LivePanes::focused(int pane)
{
    m_focus = pane;
    return pane ? use(pane) : 0;
}

void LivePanes::release(int pane)
{
    m_recent.removeOne(pane);
    pointerLeft(pane);
    if (m_focus == pane)
        m_focus = 0;
}
