// SPDX-License-Identifier: MIT
#include "core/rules/noteplacement.h"

void NotePlacement::loaded(const QRectF &file, const QRectF &shown)
{
    m_file = file;
    m_keepPlace = true;
    m_keepWidth = file.width() != shown.width();
    m_keepHeight = file.height() != shown.height();
}

void NotePlacement::userMoved()
{
    m_keepPlace = false;
}

void NotePlacement::userResized()
{
    m_keepPlace = m_keepWidth = m_keepHeight = false;
}

void NotePlacement::putElsewhere(const QRectF &shown)
{
    if (!m_keepPlace)
        m_file.moveTopLeft(shown.topLeft());
    m_keepPlace = true;
}

QRectF NotePlacement::forFile(const QRectF &shown) const
{
    const QPointF place = m_keepPlace ? m_file.topLeft() : shown.topLeft();
    return QRectF(place.x(), place.y(), m_keepWidth ? m_file.width() : shown.width(),
                  m_keepHeight ? m_file.height() : shown.height());
}
