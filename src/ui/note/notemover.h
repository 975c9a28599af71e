// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointF>
#include <QRect>

class QMouseEvent;
class QWidget;

/**
 * The mouse gestures that move and size a note window: a left press on the
 * sizing border resizes it (through the window manager, or by hand where
 * that refuses), a left press elsewhere drags it until the button is let go,
 * and the pointer shows which edges the border grabs.
 */
class NoteMover final : public QObject
{
    Q_OBJECT
public:
    explicit NoteMover(QWidget *window);

    /** Starts a resize when a left press @p event falls on the border; true if it did. */
    bool startResize(const QMouseEvent *event);
    /** Takes hold of the window at a press inside it; a left press starts a drag. */
    void grab(const QMouseEvent *event);
    /** Follows the pointer: drags, resizes by hand or sets the pointer shape. */
    void follow(const QMouseEvent *event);
    /** Ends a drag or a resize by hand. */
    void release();

    bool isDragging() const { return m_dragging; }
    /**
     * Whether the window manager is resizing the window for the user: from a
     * press on the border until the pointer moves over the window again with
     * no button down.
     */
    bool isResizingBySystem() const { return m_systemResize; }
    /** Whether the user is resizing the window, by hand or through the window manager. */
    bool isResizing() const { return m_systemResize || m_resizeEdges; }

signals:
    /** A drag or a resize by hand has ended. */
    void gestureEnded();

private:
    void showEdgesAt(const QPointF &position);

    QWidget *m_window;
    bool m_dragging = false;
    bool m_systemResize = false;
    QPointF m_grab;
    Qt::Edges m_resizeEdges;
    QRect m_resizeStart;
    QPointF m_resizeGrab;
};
