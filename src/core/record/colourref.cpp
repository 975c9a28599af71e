// SPDX-License-Identifier: MIT
#include "core/record/colourref.h"

std::optional<QColor> ColourRef::toColor(qint32 value)
{
    const auto bits = static_cast<quint32>(value);
    if (bits > 0x00FFFFFFu)
        return std::nullopt;
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

qint32 ColourRef::fromColor(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<qint32>(quint32(rgb.red()) | quint32(rgb.green()) << 8 |
                               quint32(rgb.blue()) << 16);
}
