// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

class Twips;

/**
 * The note window's design and where its picture, memo and web pane go, in
 * twips of the note's inner area (inside the sizing border). The picture's
 * left and top, the memo's left and the pane's left and height never change
 * and are the design's constants.
 */
struct NoteLayout
{
    // The window design, in twips of the inner area.
    static constexpr double pictureLeft = 150;
    static constexpr double pictureTop = 150;
    static constexpr double memoLeft = 150;
    static constexpr double paneLeft = -30;
    static constexpr double paneHeight = 945;
    static constexpr double innerWidth = 4680;
    static constexpr double innerHeight = 3435;
    /** The picture box's side before a picture gives it a size, and when none loads. */
    static constexpr double designPictureSide = 615;
    /** The thin sizing border drawn around the inner area, in pixels. */
    static constexpr int borderWidth = 4;

    double pictureWidth = designPictureSide;
    double pictureHeight = designPictureSide;
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
        double pictureTop = NoteLayout::pictureTop;
        float pictureRatio = 0;
        bool paneVisible = false;
    };

    /** The controls' rectangles in pixels of the inner area. */
    struct Placement
    {
        QRect picture;
        QRect memo;
        QRect pane;
    };

    /**
     * The layout of @p current fitted to @p frame: the picture as wide as the
     * window allows and as tall as its ratio asks, the memo under it down to
     * the pane, the pane along the bottom. A width or height that would be
     * negative is refused and keeps its current value; the other steps still
     * run. Lengths read back in a later step are rounded to whole pixels first.
     */
    static NoteLayout fitted(const NoteLayout &current, const Frame &frame, const Twips &twips);

    /**
     * Where the controls go for an inner area @p innerWidth pixels wide. The
     * pane is nominally far wider than any note: only the part that the note
     * shows is placed, at least one pixel.
     */
    Placement placed(const Twips &twips, int innerWidth) const;

    /** The outer size of a note window before its file sizes it. */
    static QSize designWindowSize(const Twips &twips);
    /** The smallest a note window gets, so that it can always be seen and grabbed. */
    static QSize minimumWindowSize();
    /**
     * The largest a note window gets, whatever its file or the window
     * system asks: a larger one costs gigabytes and cannot be handled.
     */
    static QSize maximumWindowSize() { return QSize(8192, 8192); }

    bool operator==(const NoteLayout &other) const = default;
};
