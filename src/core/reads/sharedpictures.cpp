// SPDX-License-Identifier: MIT
#include "core/reads/sharedpictures.h"

#include "core/reads/pictureloader.h"
#include "core/reads/slowreads.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QPointer>
#include <QSet>
#include <QtConcurrent/QtConcurrentRun>

namespace {
using SharedPictures::Picture;

struct Loaded
{
    QString key;
    QImage image; ///< null when it will not load, or was not read
    QSize natural;
    bool skipped = false; ///< not read: as much of the picture of the key is shown already
};

struct Waiting
{
    QPointer<QObject> context;
    SharedPictures::Done done;
};

// A picture as the store keeps it: only while a note holds it.
struct Kept
{
    std::weak_ptr<const QPixmap> pixels;
    QSize natural;
};

// Touched on the user-interface thread only, but for the parts decoded,
// which the reading threads look at so as not to decode a part that is
// shown already. It owns no picture, so it holds nothing past the notes.
struct Store
{
    QHash<QString, Kept> shown;
    QMutex partsMutex;
    QHash<QString, QSize> parts;
    QSet<QString> reading;
    QHash<QString, QList<Waiting>> waiting;
};

Store &store()
{
    static Store pictures;
    return pictures;
}

// The picture of @p key while a note holds it; null pixels otherwise.
Picture held(const QString &key)
{
    const Kept kept = store().shown.value(key);
    return {kept.pixels.lock(), kept.natural};
}

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

QSize partDecoded(const QString &key)
{
    QMutexLocker locker(&store().partsMutex);
    return store().parts.value(key);
}

Loaded read(const QString &path, const QSize &shown, bool skipShown)
{
    const QString key = keyOf(path);
    if (key.isEmpty())
        return {};
    const QSize decoded = partDecoded(key);
    // Whether notes show enough of it already needs only the picture's header.
    if (skipShown && decoded.isValid()) {
        const std::optional<QSize> natural = PictureLoader::naturalSize(path);
        if (!natural)
            return {};
        if (covers(decoded, shown.isValid() ? natural->boundedTo(shown) : *natural))
            return {key, {}, *natural, true};
    }
    // As much as any note asked for before, so that the new part serves them all.
    const QSize limit = shown.isValid() && decoded.isValid() ? shown.expandedTo(decoded) : shown;
    QSize whole;
    const QImage image = PictureLoader::loadCorner(path, limit, &whole);
    return {key, image, whole, false};
}

// Pictures that no note shows any more are let go.
void forgetUnshown()
{
    Store &pictures = store();
    pictures.shown.removeIf([](const auto &entry) { return entry.value().pixels.expired(); });
    QMutexLocker locker(&pictures.partsMutex);
    pictures.parts.clear();
    for (auto entry = pictures.shown.cbegin(); entry != pictures.shown.cend(); ++entry)
        if (const auto pixels = entry.value().pixels.lock())
            pictures.parts.insert(entry.key(), pixels->size());
}

void startReading(const QString &flight, const QString &path, const QSize &shown, bool skipShown);

void finish(const QString &flight, const QString &path, const QSize &shown, const Loaded &loaded)
{
    Store &pictures = store();
    pictures.reading.remove(flight);
    Picture picture = held(loaded.key);
    if (!loaded.image.isNull()) {
        picture = {std::make_shared<const QPixmap>(QPixmap::fromImage(loaded.image)),
                   loaded.natural};
        pictures.shown.insert(loaded.key, {picture.pixels, picture.natural});
        QMutexLocker locker(&pictures.partsMutex);
        pictures.parts.insert(loaded.key, picture.pixels->size());
    } else if (loaded.skipped && !picture.pixels) {
        // Shown when the read began, let go since: read it again.
        startReading(flight, path, shown, false);
        return;
    }
    for (const Waiting &caller : pictures.waiting.take(flight))
        if (caller.context)
            caller.done(picture);
}

void startReading(const QString &flight, const QString &path, const QSize &shown, bool skipShown)
{
    store().reading.insert(flight);
    SlowReads::deliver(
        QtConcurrent::run(SlowReads::pool(), read, path, shown, skipShown), qApp,
        [flight, path, shown](const Loaded &loaded) { finish(flight, path, shown, loaded); },
        SlowReads::Work::Decode);
}
} // namespace

void SharedPictures::fetch(const QString &path, const QSize &shown, QObject *context,
                           const Done &done)
{
    // Notes of one size share one read.
    const QString flight =
        QStringLiteral("%1|%2x%3").arg(path).arg(shown.width()).arg(shown.height());
    Store &pictures = store();
    pictures.waiting[flight].append({context, done});
    if (pictures.reading.contains(flight))
        return;
    forgetUnshown();
    startReading(flight, path, shown, true);
}
