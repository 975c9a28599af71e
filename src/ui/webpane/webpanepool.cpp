// SPDX-License-Identifier: MIT
#include "ui/webpane/webpanepool.h"

#include "core/posix/processuser.h"

#include "ui/webpane/liveview.h"
#include "ui/webpane/webpane.h"

#include <QApplication>
#include <QTimer>

namespace {
// A view's still is taken this long after it shows its page, once it has
// drawn it, and again when the page has drawn what comes later (its form
// fields, say).
constexpr int drawnAfterMs[] = {300, 1500};

// A still for a pane of @p size logical pixels at @p ratio device pixels to one.
bool fits(const QPixmap &still, const QSize &size, qreal ratio)
{
    return still.deviceIndependentSize().toSize() == size && still.devicePixelRatio() == ratio;
}
} // namespace

WebPanePool::WebPanePool(QObject *parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { focusMoved(now); });
}

void WebPanePool::shown(WebPane *pane)
{
    m_panes.insert(pane->number(), pane);
    // With no live view and nothing to show yet, the pane takes a view so
    // that the page has a picture for the others.
    if (m_rules.live().isEmpty() && still(pane).isNull())
        give(pane, m_rules.use(pane->number()));
}

void WebPanePool::hidden(WebPane *pane)
{
    m_rules.release(pane->number());
    park(pane);
}

void WebPanePool::entered(WebPane *pane)
{
    give(pane, m_rules.pointerEntered(pane->number()));
}

void WebPanePool::left(WebPane *pane)
{
    m_rules.pointerLeft(pane->number());
}

void WebPanePool::forget(WebPane *pane)
{
    hidden(pane);
    m_panes.remove(pane->number());
    if (m_panes.isEmpty()) {
        for (const QPointer<LiveView> &view : std::as_const(m_views))
            delete view;
        m_views.clear();
    }
}

QPixmap WebPanePool::still(const QWidget *pane) const
{
    for (const QPixmap &still : m_stills)
        if (fits(still, pane->size(), pane->devicePixelRatioF()))
            return still;
    return {};
}

// Moves a view into @p pane: the one of the pane that gave way, a waiting
// one, or a new one while the pool is not full.
void WebPanePool::give(WebPane *pane, int gaveWay)
{
    if (pane->hasView() || !m_rules.isLive(pane->number()))
        return;
    if (WebPane *from = m_panes.value(gaveWay))
        park(from);
    if (LiveView *view = freeView())
        pane->host(view);
}

LiveView *WebPanePool::freeView()
{
    m_views.removeAll(nullptr);
    for (const QPointer<LiveView> &view : std::as_const(m_views))
        if (!view->pane())
            return view;
    // The engine cannot sandbox its renderers for an administrator, and a
    // remote page is never run without that: the panes stay plain strips.
    if (m_views.size() >= views || ProcessUser::isAdministrator())
        return nullptr;
    return newView();
}

LiveView *WebPanePool::newView()
{
    LiveView *view = LiveView::create();
    if (!view)
        return nullptr;
    m_views.append(view);
    // The page's picture is the still once the view has drawn it.
    connect(view, &LiveView::pageShown, view, [this, view] {
        for (const int ms : drawnAfterMs)
            QTimer::singleShot(ms, view, [this, view] { takeStill(view); });
    });
    const auto paneOf = [view] {
        return qobject_cast<WebPane *>(view->pane());
    };
    connect(view, &LiveView::pointerEntered, this, [this, paneOf] {
        if (WebPane *pane = paneOf())
            entered(pane);
    });
    connect(view, &LiveView::pointerLeft, this, [this, paneOf] {
        if (WebPane *pane = paneOf())
            left(pane);
    });
    return view;
}

// Takes @p pane's view, if it has one, and keeps it waiting; the pane shows
// the still taken from it.
void WebPanePool::park(WebPane *pane)
{
    if (!pane->hasView())
        return;
    takeStill(pane->view()); // while it shows
    pane->giveUpView();
}

void WebPanePool::takeStill(const LiveView *view)
{
    if (!view->isVisible())
        return;
    const QPixmap still = view->view()->grab();
    const auto same = [&still](const QPixmap &kept) {
        return fits(kept, still.deviceIndependentSize().toSize(), still.devicePixelRatio());
    };
    const auto kept = std::find_if(m_stills.begin(), m_stills.end(), same);
    if (kept != m_stills.end()) {
        if (kept->toImage() == still.toImage())
            return;
        *kept = still;
    } else {
        m_stills.append(still);
    }
    emit stillTaken();
}

// A pane has the focus while the user types into its page.
void WebPanePool::focusMoved(QWidget *now)
{
    auto *pane = qobject_cast<WebPane *>(now);
    if (!pane || !m_panes.contains(pane->number())) {
        m_rules.focused(0);
        return;
    }
    give(pane, m_rules.focused(pane->number()));
}
