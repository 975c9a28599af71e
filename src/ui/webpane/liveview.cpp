// SPDX-License-Identifier: MIT
#include "ui/webpane/liveview.h"

#include "ui/webpane/browsermodule.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QWindow>

LiveView *LiveView::create()
{
    auto *view = new LiveView(nullptr);
    view->m_view = BrowserModule::createView(view);
    if (!view->m_view) {
        delete view;
        return nullptr;
    }
    view->refuseDrops(view->m_view);
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

// The browser view takes dropped files as pages to open; a drop on it must
// reach the note instead, so neither the view nor its inner widgets accept drops.
void LiveView::refuseDrops(QObject *object)
{
    if (auto *widget = qobject_cast<QWidget *>(object))
        widget->setAcceptDrops(false);
    object->installEventFilter(this);
    for (QObject *child : object->children())
        refuseDrops(child);
}

bool LiveView::eventFilter(QObject *watched, QEvent *event)
{
    const bool inView =
        watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this;
    if (inView)
        return browserEvent(watched, event) || QWidget::eventFilter(watched, event);
    // A click on the page, before the page has it, gives the keys to the pane.
    if (watched == windowHandle() && event->type() == QEvent::MouseButtonPress && m_pane)
        m_pane->setFocus(Qt::MouseFocusReason);
    else if (m_pane && watched == m_pane->window() && event->type() == QEvent::Resize)
        follow();
    return QWidget::eventFilter(watched, event);
}

// Events of the browser view and its inner widgets: new inner widgets refuse
// drops too, and an inner widget that still takes one hands it to the note.
// The browser shows the view when its page has loaded and hides it when the
// page did not load or its renderer ended: the window follows.
bool LiveView::browserEvent(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        refuseDrops(static_cast<QChildEvent *>(event)->child());
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        if (m_pane)
            QCoreApplication::sendEvent(m_pane->window(), event);
        return true;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (watched == m_view) {
            showIfPage();
            if (event->type() == QEvent::ShowToParent)
                emit pageShown();
        }
        return false;
    default:
        return false;
    }
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
