// SPDX-License-Identifier: MIT
#pragma once

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
 * Orientation recorded in the file is applied. Its reads may run on any
 * thread at once.
 */
class PictureLoader final
{
public:
    /** Opens a picture file for reading; null when it cannot be read. */
    using Opener = std::function<std::unique_ptr<QIODevice>(const QString &path)>;
    /** Opens picture files with @p open (tests put in files whose reads block); empty: the
     * program's own. */
    explicit PictureLoader(Opener open = {}) : m_open(std::move(open)) {}

    /** The picture's size as shown, from its header alone. */
    std::optional<QSize> naturalSize(const QString &path) const;
    /** The picture decoded no larger than needed to fill @p target (scaled decoding). */
    QImage decode(const QString &path, const QSize &target) const;
    /**
     * decode(), where a picture without transparency comes back in three
     * bytes a pixel: what a note keeps on show.
     */
    QImage decodeCompact(const QString &path, const QSize &target) const;
    /**
     * The top-left part of the picture, as shown, no larger than @p limit (all
     * of it for an invalid limit): only that part is decoded where the format
     * allows. Its natural size goes to @p natural.
     */
    QImage loadCorner(const QString &path, const QSize &limit, QSize *natural) const;

private:
    std::unique_ptr<QIODevice> openFile(const QString &path) const;

    Opener m_open;
};
