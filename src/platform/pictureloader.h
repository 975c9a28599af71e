// SPDX-License-Identifier: MIT
#pragma once

#include <QFuture>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <optional>

/**
 * Reads pictures from files. Only regular files are read, so a folder, a fifo
 * or a device is a picture that will not load; any failure gives no picture.
 * Orientation recorded in the file is applied.
 */
namespace PictureLoader {
/** The picture's size as shown, from its header alone. */
std::optional<QSize> naturalSize(const QString &path);
/** The picture decoded no larger than needed to fill @p target (scaled decoding). */
QImage decode(const QString &path, const QSize &target);
/** The picture at its natural size. */
QImage load(const QString &path);
/**
 * The picture at its natural size as a pixmap, shared with every other
 * caller that loads the same unchanged file (notes often share one
 * background picture). Null when it will not load.
 */
QPixmap loadShared(const QString &path);
/**
 * decode() on a thread of the program's picture pool; a picture without
 * transparency comes back in three bytes a pixel.
 */
QFuture<QImage> decodeLater(const QString &path, const QSize &target);
} // namespace PictureLoader
