// SPDX-License-Identifier: MIT
#pragma once

#include "core/rules/notelayout.h"

#include <QRect>

/**
 * The thin sizing border that a note draws around itself: which edges a
 * point on it grabs, the geometry a resize by hand gives, and the pointer
 * shape over it.
 */
namespace ResizeBorder {
constexpr int width = NoteLayout::borderWidth;

/** The edges grabbed at @p point of a window of @p size; none inside the border. */
Qt::Edges edgesAt(const QPoint &point, const QSize &size);
/** @p start resized by dragging @p edges by @p delta, never below @p minimum. */
QRect resized(const QRect &start, Qt::Edges edges, const QPoint &delta, const QSize &minimum);
/** The pointer shape over @p edges. */
Qt::CursorShape cursorFor(Qt::Edges edges);
} // namespace ResizeBorder
