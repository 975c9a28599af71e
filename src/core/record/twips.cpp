// SPDX-License-Identifier: MIT
#include "core/record/twips.h"

#include <cmath>

Twips::Twips(double logicalDpi) : m_perPixel(logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0) {}

int Twips::toPixels(double twips) const
{
    return static_cast<int>(std::lround(twips / m_perPixel));
}

std::optional<int> Twips::toWindowPixels(double twips) const
{
    if (!std::isfinite(twips))
        return std::nullopt;
    const double pixels = std::round(twips / m_perPixel);
    if (std::abs(pixels) > windowLimit)
        return std::nullopt;
    return static_cast<int>(pixels);
}
