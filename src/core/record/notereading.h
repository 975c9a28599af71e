// SPDX-License-Identifier: MIT
#pragma once

#include "core/record/desksettings.h"
#include "core/record/noterecord.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <optional>

class Twips;

/**
 * What a note record says, field by field, after every rule of the load: a
 * field that does not convert, or holds a value no window can take, gives no
 * value, and the step that would apply it is skipped.
 */
struct NoteReading
{
    /** The largest memo font size taken from a file, in points. */
    static constexpr float largestFontSize = 2048;

    QString picturePath;
    std::optional<int> left; ///< window pixels
    std::optional<int> top;
    std::optional<int> width;
    std::optional<int> height;
    std::optional<float> widthTwips; ///< the size as stored, kept while the window shows less
    std::optional<float> heightTwips;
    std::optional<QColor> backgroundColour;
    QString fontName; ///< empty: keep the font's family
    std::optional<float> fontSize;
    std::optional<QColor> textColour;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> webPaneShown;
    QString memo;
    QString backgroundPath;
    DeskSettings desk;

    /** The values of @p record, with lengths in pixels of @p twips. */
    static NoteReading fromRecord(const NoteRecord &record, const Twips &twips);

    /**
     * @p current with the position and size the record gives; a note too
     * small to see or grab gets the smallest size and keeps its place.
     */
    QRect geometry(const QRect &current) const;
    /** @p font with the record's font name, size, bold and italic where given. */
    QFont font(QFont font) const;
};
