// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

/**
 * Where a note lives on the desktop, as its file's desk line keeps it:
 * words such as "layer=above opacity=75 locked=yes clickthrough=yes". A note that has
 * only the defaults writes no such line. Words of another version are
 * kept as they were read and written back after the known ones; a known
 * word with a value this version cannot take counts as its default.
 */
struct DeskSettings
{
    enum class Layer
    {
        Normal,
        Above,   ///< above other windows
        Desktop, ///< below every window, on the desktop itself
    };
    /** The least opacity a file may ask for, in percent: a note never goes out of sight. */
    static constexpr int leastOpacity = 20;

    Layer layer = Layer::Normal;
    int opacity = 100; ///< percent
    bool locked = false;
    /** The pointer's clicks, wheel and drops go to whatever is below the note. */
    bool clickThrough = false;
    QStringList otherWords;

    static DeskSettings fromText(const QString &text);
    QString toText() const;

    bool operator==(const DeskSettings &other) const = default;
};
