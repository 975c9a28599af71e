// SPDX-License-Identifier: MIT
#include "notesurface.h"

#include <QPaintEvent>
#include <QPainter>

NoteSurface::NoteSurface(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NoteSurface::setBackgroundColour(const QColor &colour)
{
    m_colour = colour;
    m_layers.clear();
    update();
}

void NoteSurface::clearTiles()
{
    m_layers.clear();
    update();
}

void NoteSurface::addTiles(const QPixmap &tile, int columns, int rows)
{
    if (tile.isNull() || columns <= 0 || rows <= 0)
        return;
    const QSize tileSize = tile.deviceIndependentSize().toSize();
    m_layers.append({tile, QSize(tileSize.width() * columns, tileSize.height() * rows)});
    update();
}

void NoteSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, m_colour);
    for (const Layer &layer : std::as_const(m_layers)) {
        // Only the part of the layer inside the dirty area is drawn; the
        // offset keeps the tiles on the grid that starts at the corner.
        const QRect area = dirty.intersected(QRect(QPoint(0, 0), layer.extent));
        if (!area.isEmpty())
            painter.drawTiledPixmap(area, layer.tile, area.topLeft());
    }
}
