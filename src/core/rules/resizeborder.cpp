// SPDX-License-Identifier: MIT
#include "core/rules/resizeborder.h"

namespace ResizeBorder {

Qt::Edges edgesAt(const QPoint &point, const QSize &size)
{
    Qt::Edges edges;
    if (point.x() < width)
        edges |= Qt::LeftEdge;
    if (point.x() >= size.width() - width)
        edges |= Qt::RightEdge;
    if (point.y() < width)
        edges |= Qt::TopEdge;
    if (point.y() >= size.height() - width)
        edges |= Qt::BottomEdge;
    return edges;
}

QRect resized(const QRect &start, Qt::Edges edges, const QPoint &delta, const QSize &minimum)
{
    QRect rect = start;
    if (edges & Qt::LeftEdge)
        rect.setLeft(qMin(start.left() + delta.x(), start.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        rect.setRight(qMax(start.right() + delta.x(), start.left() + minimum.width() - 1));
    if (edges & Qt::TopEdge)
        rect.setTop(qMin(start.top() + delta.y(), start.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        rect.setBottom(qMax(start.bottom() + delta.y(), start.top() + minimum.height() - 1));
    return rect;
}

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling =
            edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal)
        return Qt::SizeHorCursor;
    return vertical ? Qt::SizeVerCursor : Qt::ArrowCursor;
}

} // namespace ResizeBorder
