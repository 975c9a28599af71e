// SPDX-License-Identifier: MIT
#pragma once

#include "core/rules/livepanes.h"

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QPointer>

class LiveView;
class WebPane;

/**
 * The few live browser views that every web pane of the program shares.
 * All panes show the same page: a pane the user works with (the pointer
 * over it, the focus in it, or used lately) holds a live view, moved into
 * it from the pane that had it longest unused; every other pane shows a
 * still picture of the page, taken from a live view and shared by the
 * panes of the same size. The first pane shown gets a view so that there
 * is a picture to share. A view left without a pane waits, hidden, for the
 * next; the views go when the last pane does.
 */
class WebPanePool final : public QObject
{
    Q_OBJECT
public:
    /** How many live views the program has at most. */
    static constexpr int views = 3;

    explicit WebPanePool(QObject *parent = nullptr);

    /** The number of a new pane: one more than the last. */
    int enrol() { return ++m_panesMade; }
    void shown(WebPane *pane);
    void hidden(WebPane *pane);
    void entered(WebPane *pane);
    void left(WebPane *pane);
    /** @p pane is going: its view waits for another pane. */
    void forget(WebPane *pane);

    /** The still picture for a pane of @p pane's size; null while there is none. */
    QPixmap still(const QWidget *pane) const;

signals:
    /** A new still picture was taken; the panes without a view show it. */
    void stillTaken();

private:
    void give(WebPane *pane, int gaveWay);
    LiveView *freeView();
    LiveView *newView();
    void park(WebPane *pane);
    void takeStill(const LiveView *view);
    void focusMoved(QWidget *now);

    LivePanes m_rules{views};
    QHash<int, QPointer<WebPane>> m_panes;
    QList<QPointer<LiveView>> m_views;
    QList<QPixmap> m_stills;
    int m_panesMade = 0;
};
