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
class PictureReads;
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
    /** Tiles @p surface with pictures read through @p reads, which outlives the note. */
    NoteBackground(NoteSurface *surface, PictureReads &reads, const Twips &twips, QObject *parent);

    /** The picture file the note names; empty for none. */
    QString path() const { return m_path; }
    /**
     * The note's file names @p path: tiled once it has been read. The name
     * is kept while it is read and when it will not load. settled() says
     * when it has been read, or has been waited for long enough to show
     * the note without it.
     */
    void load(const QString &path, const QSize &shown);
    /** Whether the picture the file names has been read or waited for long enough. */
    bool isSettled() const { return m_settled; }
    /**
     * Tiles the picture of the file dropped by @p event on a note that shows
     * @p shown of it, once it has been read; @p tiled hears when it shows.
     * The drop is taken as a copy: the picture is never moved away from its
     * folder, whatever the file manager proposed.
     */
    void drop(QDropEvent *event, const QSize &shown, const std::function<void()> &tiled);
    /** The tiles are cleared and no picture is named. */
    void cancel();
    /** The note's surface is now @p shown: more of the picture is decoded where it shows more. */
    void grow(const QSize &shown);

signals:
    /** isSettled() holds from now on. */
    void settled();

private:
    void settle();
    void fetch(const QString &path, const std::function<void(bool)> &done);
    void tile(const SharedPictures::Picture &picture, const QString &path);

    NoteSurface *m_surface;
    PictureReads &m_reads;
    bool m_settled = true;
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
