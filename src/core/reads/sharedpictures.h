// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class PictureLoader;
class SlowReads;

/**
 * Background pictures, read off the user-interface thread and shared by
 * every note that shows the same unchanged file, however large (the
 * toolkit's own pixmap cache would drop a photograph, and each note decode
 * its own). Tiles start at a note's corner, so a note shows no more of a
 * picture than its own size from the picture's top-left corner: only that
 * part is decoded, the largest that any note asked for. A picture lives as
 * long as a note holds it, and goes with the last one.
 */
class SharedPictures final : public QObject
{
    Q_OBJECT
public:
    struct Picture
    {
        /** The part decoded from the top-left corner, held by whoever shows it; null when it will
         * not load. */
        std::shared_ptr<const QPixmap> pixels;
        QSize natural; ///< the whole picture's size, the step of its tiles
    };
    using Done = std::function<void(const Picture &picture)>;

    /** Reads pictures with @p loader on the threads of @p reads, which outlives the store. */
    SharedPictures(std::shared_ptr<const PictureLoader> loader, SlowReads &reads,
                   QObject *parent = nullptr);
    ~SharedPictures() override;

    /**
     * Calls @p done with the picture of @p path, decoded at least as far as
     * @p shown from its corner (all of it for an invalid size), once it has
     * been read or found held (always after this returns, never after
     * @p context has gone).
     */
    void fetch(const QString &path, const QSize &shown, QObject *context, const Done &done);

private:
    /** The parts decoded, by picture: all that the reading threads look at. */
    struct Parts;
    struct Waiting
    {
        QPointer<QObject> context;
        Done done;
    };
    // A picture as the store keeps it: only while a note holds it.
    struct Kept
    {
        std::weak_ptr<const QPixmap> pixels;
        QSize natural;
    };
    struct Loaded;

    static Loaded readPart(const PictureLoader &loader, Parts &parts, const QString &path,
                           const QSize &shown, bool skipShown);
    Picture held(const QString &key) const;
    void forgetUnshown();
    void startReading(const QString &flight, const QString &path, const QSize &shown,
                      bool skipShown);
    void finish(const QString &flight, const QString &path, const QSize &shown,
                const Loaded &loaded);

    std::shared_ptr<const PictureLoader> m_loader;
    SlowReads &m_reads;
    // Touched on the user-interface thread only, but for the parts, which
    // outlive the store while a read still runs. The store owns no picture,
    // so it holds nothing past the notes.
    QHash<QString, Kept> m_shown;
    std::shared_ptr<Parts> m_parts;
    QSet<QString> m_reading;
    QHash<QString, QList<Waiting>> m_waiting;
};
