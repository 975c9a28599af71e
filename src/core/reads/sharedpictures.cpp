// SPDX-License-Identifier: MIT
#include "core/reads/sharedpictures.h"

#include "core/reads/pictureloader.h"
#include "core/reads/slowreads.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutex>
#include <QtConcurrent/QtConcurrentRun>

struct SharedPictures::Parts
{
    QMutex mutex;
    QHash<QString, QSize> decoded;

    QSize of(const QString &key)
    {
        QMutexLocker locker(&mutex);
        return decoded.value(key);
    }
};

struct SharedPictures::Loaded
{
    QString key;
    QImage image; ///< null when it will not load, or was not read
    QSize natural;
    bool skipped = false; ///< not read: as much of the picture of the key is shown already
};

namespace {
// A file changed since it was read is a different picture.
QString keyOf(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return {};
    return QStringLiteral("%1:%2:%3")
        .arg(file.canonicalFilePath())
        .arg(file.lastModified().toMSecsSinceEpoch())
        .arg(file.size());
}

bool covers(const QSize &part, const QSize &wanted)
{
    return part.width() >= wanted.width() && part.height() >= wanted.height();
}
} // namespace

SharedPictures::SharedPictures(std::shared_ptr<const PictureLoader> loader, SlowReads &reads,
                               QObject *parent)
    : QObject(parent), m_loader(std::move(loader)), m_reads(reads),
      m_parts(std::make_shared<Parts>())
{
}

SharedPictures::~SharedPictures() = default;

// Runs on a reading thread.
SharedPictures::Loaded SharedPictures::readPart(const PictureLoader &loader, Parts &parts,
                                                const QString &path, const QSize &shown,
                                                bool skipShown)
{
    const QString key = keyOf(path);
    if (key.isEmpty())
        return {};
    const QSize decoded = parts.of(key);
    // Whether notes show enough of it already needs only the picture's header.
    if (skipShown && decoded.isValid()) {
        const std::optional<QSize> natural = loader.naturalSize(path);
        if (!natural)
            return {};
        if (covers(decoded, shown.isValid() ? natural->boundedTo(shown) : *natural))
            return {key, {}, *natural, true};
    }
    // As much as any note asked for before, so that the new part serves them all.
    const QSize limit = shown.isValid() && decoded.isValid() ? shown.expandedTo(decoded) : shown;
    QSize whole;
    const QImage image = loader.loadCorner(path, limit, &whole);
    return {key, image, whole, false};
}

// The picture of @p key while a note holds it; null pixels otherwise.
SharedPictures::Picture SharedPictures::held(const QString &key) const
{
    const Kept kept = m_shown.value(key);
    return {kept.pixels.lock(), kept.natural};
}

// Pictures that no note shows any more are let go.
void SharedPictures::forgetUnshown()
{
    m_shown.removeIf([](const auto &entry) { return entry.value().pixels.expired(); });
    QMutexLocker locker(&m_parts->mutex);
    m_parts->decoded.clear();
    for (auto entry = m_shown.cbegin(); entry != m_shown.cend(); ++entry)
        if (const auto pixels = entry.value().pixels.lock())
            m_parts->decoded.insert(entry.key(), pixels->size());
}

void SharedPictures::finish(const QString &flight, const QString &path, const QSize &shown,
                            const Loaded &loaded)
{
    m_reading.remove(flight);
    Picture picture = held(loaded.key);
    if (!loaded.image.isNull()) {
        picture = {std::make_shared<const QPixmap>(QPixmap::fromImage(loaded.image)),
                   loaded.natural};
        m_shown.insert(loaded.key, {picture.pixels, picture.natural});
        QMutexLocker locker(&m_parts->mutex);
        m_parts->decoded.insert(loaded.key, picture.pixels->size());
    } else if (loaded.skipped && !picture.pixels) {
        // Shown when the read began, let go since: read it again.
        startReading(flight, path, shown, false);
        return;
    }
    for (const Waiting &caller : m_waiting.take(flight))
        if (caller.context)
            caller.done(picture);
}

void SharedPictures::startReading(const QString &flight, const QString &path, const QSize &shown,
                                  bool skipShown)
{
    m_reading.insert(flight);
    // What runs on the reading thread holds its own share of what it reads
    // with: a stalled read may outlive the store.
    const auto read = [loader = m_loader, parts = m_parts, path, shown, skipShown] {
        return readPart(*loader, *parts, path, shown, skipShown);
    };
    SlowReads::deliver(
        QtConcurrent::run(m_reads.pool(), read), this,
        [this, flight, path, shown](const Loaded &loaded) { finish(flight, path, shown, loaded); });
}

void SharedPictures::fetch(const QString &path, const QSize &shown, QObject *context,
                           const Done &done)
{
    // Notes of one size share one read.
    const QString flight =
        QStringLiteral("%1|%2x%3").arg(path).arg(shown.width()).arg(shown.height());
    m_waiting[flight].append({context, done});
    if (m_reading.contains(flight))
        return;
    forgetUnshown();
    startReading(flight, path, shown, true);
}
