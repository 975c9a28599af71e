// SPDX-License-Identifier: MIT
#pragma once

class Twips;

/**
 * Where a note's picture, memo and web pane go, in twips of the note's inner
 * area. The picture's left and top, the memo's left and the pane's left and
 * height never change and are not held here.
 */
struct NoteLayout
{
    double pictureWidth = 615;
    double pictureHeight = 615;
    double memoTop = 960;
    double memoWidth = 1860;
    double memoHeight = 420;
    double paneTop = 2400;
    double paneWidth = 2895;

    /** What the layout is fitted to. */
    struct Frame
    {
        double width = 0;  ///< the window's outer width, twips
        double height = 0; ///< the window's outer height, twips
        double pictureTop = 150;
        float pictureRatio = 0;
        bool paneVisible = false;
    };

    /**
     * The layout of @p current fitted to @p frame: the picture as wide as the
     * window allows and as tall as its ratio asks, the memo under it down to
     * the pane, the pane along the bottom. A width or height that would be
     * negative is refused and keeps its current value; the other steps still
     * run. Lengths read back in a later step are rounded to whole pixels first.
     */
    static NoteLayout fitted(const NoteLayout &current, const Frame &frame, const Twips &twips);

    bool operator==(const NoteLayout &other) const = default;
};
