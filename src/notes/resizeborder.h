// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

/**
 * The thin sizing border that a note draws around itself: which edges a
 * point on it grabs, and the geometry a resize by hand gives.
 */
class ResizeBorder final
{
public:
    static constexpr int width = 4;

    /** The edges grabbed at @p point of a window of @p size; none inside the border. */
    static Qt::Edges edgesAt(const QPoint &point, const QSize &size);
    /** @p start resized by dragging @p edges by @p delta, never below @p minimum. */
    static QRect resized(const QRect &start, Qt::Edges edges, const QPoint &delta,
                         const QSize &minimum);
    /** The pointer shape over @p edges. */
    static Qt::CursorShape cursorFor(Qt::Edges edges);
};
