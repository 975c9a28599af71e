// SPDX-License-Identifier: MIT
#include "core/rules/notelayout.h"

#include "core/record/twips.h"

#include <QtGlobal>

namespace {
constexpr double sideMargins = 420;
constexpr double memoGap = 100;
constexpr double marginsWithPane = 850;
constexpr double marginsWithoutPane = 520;
constexpr double nominalPaneWidth = 30000;
constexpr double paneFromBottom = 450;
// The smallest inner area that still shows and can be grabbed.
constexpr int smallestInnerSide = 16;

// Sets @p length unless the value is negative, which the window refuses.
void setLength(double &length, double value)
{
    if (value >= 0)
        length = value;
}
} // namespace

NoteLayout NoteLayout::fitted(const NoteLayout &current, const Frame &frame, const Twips &twips)
{
    NoteLayout layout = current;
    setLength(layout.pictureWidth, frame.width - sideMargins);
    layout.pictureWidth = twips.applied(layout.pictureWidth);
    setLength(layout.pictureHeight,
              static_cast<float>(layout.pictureWidth * static_cast<double>(frame.pictureRatio)));
    layout.pictureHeight = twips.applied(layout.pictureHeight);

    layout.memoTop = frame.pictureTop + layout.pictureHeight + memoGap;
    setLength(layout.memoWidth, frame.width - sideMargins);
    const double margins = frame.paneVisible ? marginsWithPane : marginsWithoutPane;
    setLength(layout.memoHeight, frame.height - layout.pictureHeight - margins);

    layout.paneWidth = nominalPaneWidth;
    layout.paneTop = frame.height - paneFromBottom;
    return layout;
}

NoteLayout::Placement NoteLayout::placed(const Twips &twips, int innerWidth) const
{
    const auto px = [&twips](double length) {
        return twips.toPixels(length);
    };
    Placement placement;
    placement.picture = QRect(px(pictureLeft), px(pictureTop), px(pictureWidth), px(pictureHeight));
    placement.memo = QRect(px(memoLeft), px(memoTop), px(memoWidth), px(memoHeight));
    const int paneX = px(paneLeft);
    const int shownWidth = qMin(px(paneWidth), qMax(1, innerWidth - paneX));
    placement.pane = QRect(paneX, px(paneTop), shownWidth, px(paneHeight));
    return placement;
}

QSize NoteLayout::designWindowSize(const Twips &twips)
{
    return QSize(twips.toPixels(innerWidth), twips.toPixels(innerHeight)) +
           QSize(2 * borderWidth, 2 * borderWidth);
}

QSize NoteLayout::minimumWindowSize()
{
    const int side = 2 * borderWidth + smallestInnerSide;
    return QSize(side, side);
}
