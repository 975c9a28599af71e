// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

/**
 * Which web panes hold one of the few live browser views; every other pane
 * shows a still picture of the page. A pane the user works with (the pointer
 * over it, or the keyboard's focus in it) is live, and so are the panes used
 * most recently, as many as there are views. A pane that asks for a view
 * when every view is taken gets the one of the pane used longest ago that
 * the user is not working with. Panes are named by numbers above 0.
 */
class LivePanes
{
public:
    /** Rules for @p views live views; there are at least two. */
    explicit LivePanes(int views);

    /**
     * Pane @p pane is used (it is the first shown, say): it is live after.
     * Returns the pane that gave up its view for it, or 0 when none had to.
     */
    int use(int pane);
    /** The pointer entered @p pane, which is used; returns as use() does. */
    int pointerEntered(int pane);
    /** The pointer left @p pane; it stays live until its view is needed. */
    void pointerLeft(int pane);
    /** The keyboard's focus went into @p pane, or out of every pane for 0. */
    int focused(int pane);
    /** Pane @p pane was hidden or closed: its view is free. */
    void release(int pane);

    bool isLive(int pane) const { return m_recent.contains(pane); }
    /** The live panes, the one used last first. */
    QList<int> live() const { return m_recent; }

private:
    bool isWorkedWith(int pane) const { return pane == m_pointer || pane == m_focus; }

    int m_views;
    QList<int> m_recent;
    int m_pointer = 0;
    int m_focus = 0;
};
