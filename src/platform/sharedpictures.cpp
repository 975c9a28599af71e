// SPDX-License-Identifier: MIT
#include "sharedpictures.h"

#include "pictureloader.h"
#include "slowreads.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QHash>
#include <QMutex>
#include <QPointer>
#include <QSet>
#include <QtConcurrent/QtConcurrentRun>

namespace {
struct Loaded
{
    QString key;
    QImage image;         ///< null when it will not load, or was not read
    bool skipped = false; ///< not read: the picture of the key was shown already
};

struct Waiting
{
    QPointer<QObject> context;
    SharedPictures::Done done;
};

// Touched on the user-interface thread only, but for the keys, which the
// reading threads look at so as not to decode a picture that is shown already.
struct Store
{
    QHash<QString, QPixmap> shown;
    QMutex keysMutex;
    QSet<QString> keys;
    QHash<QString, QFuture<Loaded>> reading;
    QHash<QString, QList<Waiting>> waiting;
};

Store &store()
{
    static Store pictures;
    static const bool cleared = [] {
        // The pictures go before the application does.
        qAddPostRoutine([] { pictures.shown.clear(); });
        return true;
    }();
    Q_UNUSED(cleared);
    return pictures;
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

Loaded read(const QString &path, bool skipShown)
{
    const QString key = keyOf(path);
    if (key.isEmpty())
        return {};
    if (skipShown) {
        QMutexLocker locker(&store().keysMutex);
        if (store().keys.contains(key))
            return {key, {}, true};
    }
    return {key, PictureLoader::load(path), false};
}

// Pictures that no note shows any more are let go.
void forgetUnshown()
{
    Store &pictures = store();
    pictures.shown.removeIf([](const auto &entry) { return entry.value().isDetached(); });
    QMutexLocker locker(&pictures.keysMutex);
    pictures.keys = QSet<QString>(pictures.shown.keyBegin(), pictures.shown.keyEnd());
}

void startReading(const QString &path, bool skipShown);

void finish(const QString &path)
{
    Store &pictures = store();
    const Loaded loaded = pictures.reading.take(path).result();
    QPixmap picture = pictures.shown.value(loaded.key);
    if (picture.isNull() && !loaded.image.isNull()) {
        picture = QPixmap::fromImage(loaded.image);
        pictures.shown.insert(loaded.key, picture);
        QMutexLocker locker(&pictures.keysMutex);
        pictures.keys.insert(loaded.key);
    } else if (picture.isNull() && loaded.skipped) {
        // Shown when the read began, let go since: read it whole.
        startReading(path, false);
        return;
    }
    for (const Waiting &caller : pictures.waiting.take(path))
        if (caller.context)
            caller.done(picture);
}

void startReading(const QString &path, bool skipShown)
{
    const QFuture<Loaded> future = QtConcurrent::run(SlowReads::pool(), read, path, skipShown);
    store().reading.insert(path, future);
    if (SlowReads::finishedSoon(future, SlowReads::Work::Decode)) {
        finish(path);
        return;
    }
    auto *watcher = new QFutureWatcher<Loaded>(qApp);
    QObject::connect(watcher, &QFutureWatcher<Loaded>::finished, watcher, [watcher, path] {
        watcher->deleteLater();
        finish(path);
    });
    watcher->setFuture(future);
}
} // namespace

void SharedPictures::fetch(const QString &path, QObject *context, const Done &done)
{
    Store &pictures = store();
    pictures.waiting[path].append({context, done});
    if (pictures.reading.contains(path))
        return;
    forgetUnshown();
    startReading(path, true);
}
