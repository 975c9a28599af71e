// SPDX-License-Identifier: MIT
#include "ui/webpane/webpane.h"

#include "ui/webpane/liveview.h"
#include "ui/webpane/webpanepool.h"

#include <QHideEvent>
#include <QPainter>

WebPane::WebPane(WebPanePool *pool, QWidget *parent)
    : QWidget(parent), m_pool(pool), m_number(pool ? pool->enrol() : 0)
{
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled);
    if (m_pool)
        connect(m_pool, &WebPanePool::stillTaken, this, qOverload<>(&QWidget::update));
}

WebPane::~WebPane()
{
    if (m_pool)
        m_pool->forget(this);
}

void WebPane::navigate(const QUrl &url)
{
    m_url = url;
    if (m_view)
        m_view->load(url);
}

void WebPane::host(LiveView *view)
{
    m_view = view;
    if (view->url() != m_url)
        view->load(m_url);
    else
        load();
    view->embed(this);
}

LiveView *WebPane::giveUpView()
{
    LiveView *view = m_view;
    m_view = nullptr;
    view->leave();
    update();
    return view;
}

// Sends the view to the pane's page again when it did not load, or its
// renderer ended, and it is not loading now.
void WebPane::load()
{
    if (m_view && !m_view->showsPage() && m_url.isValid() && !m_view->isLoading())
        m_view->load(m_url);
}

// The pane has the focus for its live view, whose window gets no keys: its
// keys, input and focus go on to the view.
bool WebPane::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (m_view) {
            m_view->passOn(event);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

QVariant WebPane::inputMethodQuery(Qt::InputMethodQuery query) const
{
    return m_view ? m_view->inputMethodQuery(query) : QWidget::inputMethodQuery(query);
}

void WebPane::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_pool)
        return;
    load();
    m_pool->shown(this);
}

void WebPane::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_pool && !event->spontaneous())
        m_pool->hidden(this);
}

void WebPane::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (m_view)
        m_view->follow();
}

void WebPane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_view)
        m_view->follow();
}

void WebPane::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (m_pool)
        m_pool->entered(this);
}

void WebPane::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (m_pool)
        m_pool->left(this);
}

// Without a view, or while its view loads, the pane shows the page's still.
void WebPane::paintEvent(QPaintEvent *)
{
    if (!m_pool || (m_view && m_view->showsPage()))
        return;
    const QPixmap still = m_pool->still(this);
    if (!still.isNull())
        QPainter(this).drawPixmap(0, 0, still);
}
