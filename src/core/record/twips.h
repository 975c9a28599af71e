// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QRectF>

#include <optional>

/**
 * Converts between twips (1/1440 inch), the unit of note files and layout
 * rules, and the pixels that widgets take.
 */
class Twips final
{
public:
    /** Twips per pixel for a screen of @p logicalDpi dots per inch (15 at 96). */
    explicit Twips(double logicalDpi = 96.0);

    /** Whole pixels for a length in twips, rounded to the nearest. */
    int toPixels(double twips) const;
    /** The length in twips of @p pixels. */
    double fromPixels(int pixels) const { return pixels * m_perPixel; }
    /** A window's place and size in pixels, in twips. */
    QRectF fromPixels(const QRect &pixels) const
    {
        return QRectF(fromPixels(pixels.x()), fromPixels(pixels.y()), fromPixels(pixels.width()),
                      fromPixels(pixels.height()));
    }
    /** A length set in twips as the screen applies it: rounded to whole pixels. */
    double applied(double twips) const { return fromPixels(toPixels(twips)); }
    /**
     * Pixels for a window coordinate or size in twips, or nothing when the
     * value is not finite or lies beyond what a window system takes.
     */
    std::optional<int> toWindowPixels(double twips) const;

    /** The largest window coordinate or size in pixels (X11 keeps them in 16 bits). */
    static constexpr int windowLimit = 32767;

private:
    double m_perPixel;
};
