// SPDX-License-Identifier: MIT
#pragma once

#include <QFuture>
#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

/**
 * Reads pictures from files. Only regular files are read, so a folder, a fifo
 * or a device is a picture that will not load; any failure gives no picture.
 * Orientation recorded in the file is applied.
 */
namespace PictureLoader {
/** Opens a picture file for reading; null when it cannot be read. */
using Opener = std::function<std::unique_ptr<QIODevice>(const QString &path)>;
/**
 * Replaces how picture files are opened (tests put in files whose reads
 * block); an empty one restores the program's own. Set before any picture is read.
 */
void setOpener(Opener open);

/** The picture's size as shown, from its header alone. */
std::optional<QSize> naturalSize(const QString &path);
/** The picture decoded no larger than needed to fill @p target (scaled decoding). */
QImage decode(const QString &path, const QSize &target);
/**
 * The top-left part of the picture, as shown, no larger than @p limit (all
 * of it for an invalid limit): only that part is decoded where the format
 * allows. Its natural size goes to @p natural.
 */
QImage loadCorner(const QString &path, const QSize &limit, QSize *natural);
/** naturalSize() on a thread for reads that may never come back. */
QFuture<std::optional<QSize>> naturalSizeLater(const QString &path);
/**
 * decode() on a thread of the program's picture pool; a picture without
 * transparency comes back in three bytes a pixel.
 */
QFuture<QImage> decodeLater(const QString &path, const QSize &target);
} // namespace PictureLoader
