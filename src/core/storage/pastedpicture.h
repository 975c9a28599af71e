// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QMimeData;

/**
 * What the clipboard offers to pin: a file copied in a file manager, or a
 * picture copied from any program, which is kept as a PNG file of its own.
 */
namespace PastedPicture {
/**
 * The picture file for a note made from @p data: its first local file, or
 * its image written as a PNG file at @p pngPath (its folder made if need
 * be). Empty when @p data holds neither, or the image could not be written.
 */
QString fileFor(const QMimeData *data, const QString &pngPath);
} // namespace PastedPicture
