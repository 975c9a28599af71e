// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QObject;

/**
 * Background pictures, read off the user-interface thread and shared by
 * every note that shows the same unchanged file, however large (the
 * toolkit's own pixmap cache would drop a photograph, and each note decode
 * its own). Tiles start at a note's corner, so a note shows no more of a
 * picture than its own size from the picture's top-left corner: only that
 * part is decoded, the largest that any note asked for. A picture lives as
 * long as a note holds it, and goes with the last one.
 */
namespace SharedPictures {
struct Picture
{
    /** The part decoded, from the top-left corner, held by whoever shows it; null when it will not
     * load. */
    std::shared_ptr<const QPixmap> pixels;
    QSize natural; ///< the whole picture's size, the step of its tiles
};
using Done = std::function<void(const Picture &picture)>;

/**
 * Calls @p done with the picture of @p path, decoded at least as far as
 * @p shown from its corner (all of it for an invalid size): before returning
 * when it is ready within a moment, else once it is read (never after
 * @p context has gone).
 */
void fetch(const QString &path, const QSize &shown, QObject *context, const Done &done);
} // namespace SharedPictures
