// SPDX-License-Identifier: MIT
#include "liveview.h"

#include "webpane.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QWindow>

LiveView *LiveView::create()
{
    auto *view = new LiveView(nullptr);
    view->m_view = WebPane::createBrowserView(view);
    if (!view->m_view) {
        delete view;
        return nullptr;
    }
    view->m_view->installEventFilter(view);
    return view;
}

LiveView::LiveView(QWidget *view) : QWidget(nullptr, Qt::FramelessWindowHint), m_view(view)
{
    setAcceptDrops(false);
}

void LiveView::embed(QWidget *pane)
{
    m_pane = pane;
    QWidget *note = pane->window();
    note->winId();
    winId();
    windowHandle()->setParent(note->windowHandle());
    windowHandle()->installEventFilter(this);
    note->installEventFilter(this);
    follow();
    showIfPage();
}

// The window covers only what the note shows of the pane (the note's edges
// and the window's bounds cut it), the view inside it placed as the pane is.
void LiveView::follow()
{
    if (!m_pane)
        return;
    const QRect shown = m_pane->visibleRegion().boundingRect();
    setGeometry(QRect(m_pane->mapTo(m_pane->window(), shown.topLeft()), shown.size()));
    m_view->setGeometry(QRect(-shown.topLeft(), m_pane->size()));
}

void LiveView::leave()
{
    if (m_pane && m_pane->hasFocus()) {
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        passOn(&out);
    }
    if (m_pane)
        m_pane->window()->removeEventFilter(this);
    m_pane = nullptr;
    hide();
    if (windowHandle())
        windowHandle()->setParent(nullptr);
}

// The pane shows the still where the view shows no page.
void LiveView::showIfPage()
{
    setVisible(m_pane && showsPage() && !size().isEmpty());
    if (m_pane)
        m_pane->update();
}

// The browser takes its keys from the widget that has the focus in it.
QWidget *LiveView::keyTarget() const
{
    return m_view->focusProxy() ? m_view->focusProxy() : m_view;
}

void LiveView::passOn(QEvent *event)
{
    QCoreApplication::sendEvent(keyTarget(), event);
}

QVariant LiveView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    return keyTarget()->inputMethodQuery(query);
}

// The browser shows the view when its page has loaded and hides it when the
// page did not load or its renderer ended: the window follows.
bool LiveView::eventFilter(QObject *watched, QEvent *event)
{
    // A click on the page, before the page has it, gives the keys to the pane.
    if (watched == windowHandle() && event->type() == QEvent::MouseButtonPress && m_pane)
        m_pane->setFocus(Qt::MouseFocusReason);
    else if (m_pane && watched == m_pane->window() && event->type() == QEvent::Resize)
        follow();
    else if (watched == m_view && event->type() == QEvent::ShowToParent) {
        showIfPage();
        emit pageShown();
    } else if (watched == m_view && event->type() == QEvent::HideToParent) {
        showIfPage();
    }
    return QWidget::eventFilter(watched, event);
}

void LiveView::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    emit pointerEntered();
}

void LiveView::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    emit pointerLeft();
}
