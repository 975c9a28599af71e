// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QWidget>

#include <memory>

/**
 * A note's inner area and its drawing surface: the background colour with
 * layers of tiled background pictures over it, each painted over the ones
 * before. The surface keeps no bitmap of its own; it replays the layers
 * whenever it paints, so what is drawn stays through covering and resizing.
 */
class NoteSurface final : public QWidget
{
    Q_OBJECT
public:
    explicit NoteSurface(QWidget *parent = nullptr);

    QColor backgroundColour() const { return m_colour; }
    /** Paints the whole surface in @p colour; the tile layers are cleared. */
    void setBackgroundColour(const QColor &colour);
    /** Clears the tile layers, leaving the background colour. */
    void clearTiles();
    /**
     * Lays @p tile over the surface, @p columns by @p rows copies edge to
     * edge, each @p step apart. A tile smaller than its step is the part of a
     * picture that the surface can show, from its corner: it is laid once.
     */
    void addTiles(const std::shared_ptr<const QPixmap> &tile, const QSize &step, int columns,
                  int rows);
    /** Puts @p larger, more of the same picture, in the place of @p tile. */
    void replaceTile(const QPixmap *tile, const std::shared_ptr<const QPixmap> &larger);
    qsizetype layerCount() const { return m_layers.size(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Layer
    {
        /** Held while the surface shows it, as a shared picture is held by who shows it. */
        std::shared_ptr<const QPixmap> tile;
        QSize step;
        QSize extent;
    };

    QColor m_colour = Qt::white;
    QList<Layer> m_layers;
};
