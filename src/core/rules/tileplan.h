// SPDX-License-Identifier: MIT
#pragma once

/**
 * The tiles a background picture lays over a note: columns at x = 0, s, 2s
 * and so on while x <= 30000 twips, each column with rows laid out the same
 * way, whatever the note's size.
 */
struct TilePlan
{
    int columns = 0;
    int rows = 0;
    double lastX = 0; ///< left of the last column, twips
    double lastY = 0; ///< top of the last row, twips

    /** The plan for a picture of @p width by @p height twips; a zero step lays nothing. */
    static TilePlan forPicture(double width, double height);

    long long tileCount() const { return static_cast<long long>(columns) * rows; }

    static constexpr double extent = 30000;
};
