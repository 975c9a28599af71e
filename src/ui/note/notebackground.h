// SPDX-License-Identifier: MIT
#pragma once

#include "core/reads/sharedpictures.h"
#include "core/record/twips.h"

#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class NoteSurface;
class QDropEvent;

/**
 * A note's background picture: the file the note names, read off the
 * user-interface thread and tiled over the note's surface from its corner.
 * Only the part that the note can show is decoded, more of it when the
 * note grows; a picture asked for later wins over one still being read.
 */
class NoteBackground final : public QObject
{
    Q_OBJECT
public:
    NoteBackground(NoteSurface *surface, const Twips &twips, QObject *parent);

    /** The picture file the note names; empty for none. */
    QString path() const { return m_path; }
    /**
     * The note's file names @p path: tiled once it has been read. The name
     * is kept while it is read and when it will not load.
     */
    void load(const QString &path, const QSize &shown);
    /**
     * Tiles the picture of the file dropped by @p event on a note that shows
     * @p shown of it; @p tiled hears when it shows. A picture read within a
     * moment is taken only if it loads, as the file manager proposed; one
     * that takes longer is taken as a copy, never moved away from its
     * folder, and tiles the note once it has been read.
     */
    void drop(QDropEvent *event, const QSize &shown, const std::function<void()> &tiled);
    /** The tiles are cleared and no picture is named. */
    void cancel();
    /** The note's surface is now @p shown: more of the picture is decoded where it shows more. */
    void grow(const QSize &shown);

private:
    void fetch(const QString &path, const std::function<void(bool)> &done);
    void tile(const SharedPictures::Picture &picture, const QString &path);

    NoteSurface *m_surface;
    Twips m_twips;
    QString m_path;
    /** The part of the picture decoded, from its corner, held while the note shows it. */
    std::shared_ptr<const QPixmap> m_pixels;
    /** The whole picture's size: the step of its tiles. */
    QSize m_step;
    /** The largest the note's surface has been. */
    QSize m_largestShown;
    /** Counts the pictures asked for: only the latest shows when it has been read. */
    quint64 m_request = 0;
};
