// SPDX-License-Identifier: MIT
#include "ui/note/notesurface.h"

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

void NoteSurface::addTiles(const std::shared_ptr<const QPixmap> &tile, const QSize &step,
                           int columns, int rows)
{
    if (!tile || tile->isNull() || columns <= 0 || rows <= 0)
        return;
    m_layers.append({tile, step, QSize(step.width() * columns, step.height() * rows)});
    update();
}

void NoteSurface::replaceTile(const QPixmap *tile, const std::shared_ptr<const QPixmap> &larger)
{
    for (Layer &layer : m_layers)
        if (layer.tile.get() == tile)
            layer.tile = larger;
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
        // A part of a picture covers no more than itself along a side it was cut on.
        const QSize tileSize = layer.tile->deviceIndependentSize().toSize();
        QSize covered = layer.extent;
        if (tileSize.width() < layer.step.width())
            covered.setWidth(tileSize.width());
        if (tileSize.height() < layer.step.height())
            covered.setHeight(tileSize.height());
        const QRect area = dirty.intersected(QRect(QPoint(0, 0), covered));
        if (!area.isEmpty())
            painter.drawTiledPixmap(area, *layer.tile, area.topLeft());
    }
}
