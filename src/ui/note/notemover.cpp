// SPDX-License-Identifier: MIT
#include "ui/note/notemover.h"

#include "core/rules/resizeborder.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

NoteMover::NoteMover(QWidget *window) : QObject(window), m_window(window) {}

bool NoteMover::startResize(const QMouseEvent *event)
{
    const Qt::Edges edges = ResizeBorder::edgesAt(event->position().toPoint(), m_window->size());
    if (!edges)
        return false;
    QWindow *handle = m_window->windowHandle();
    m_systemResize = handle && handle->startSystemResize(edges);
    if (m_systemResize)
        return true;
    // The window manager would not resize the window: resize it by hand.
    m_resizeEdges = edges;
    m_resizeStart = m_window->geometry();
    m_resizeGrab = event->globalPosition();
    return true;
}

void NoteMover::grab(const QMouseEvent *event)
{
    m_systemResize = false;
    if (event->button() == Qt::LeftButton)
        m_dragging = true;
    m_grab = event->position();
}

void NoteMover::follow(const QMouseEvent *event)
{
    if (m_resizeEdges) {
        const QPoint delta = (event->globalPosition() - m_resizeGrab).toPoint();
        m_window->setGeometry(
            ResizeBorder::resized(m_resizeStart, m_resizeEdges, delta, m_window->minimumSize()));
        return;
    }
    if (m_dragging) {
        m_window->move((event->globalPosition() - m_grab).toPoint());
        return;
    }
    if (event->buttons() == Qt::NoButton)
        m_systemResize = false;
    showEdgesAt(event->position());
}

// Moves without a button pass here all the time: the pointer is set only when it changes.
void NoteMover::showEdgesAt(const QPointF &position)
{
    const Qt::CursorShape shape =
        ResizeBorder::cursorFor(ResizeBorder::edgesAt(position.toPoint(), m_window->size()));
    if (m_window->cursor().shape() != shape)
        m_window->setCursor(shape);
}

void NoteMover::release()
{
    const bool ended = m_dragging || m_resizeEdges;
    m_dragging = false;
    m_resizeEdges = {};
    if (ended)
        emit gestureEnded();
}
