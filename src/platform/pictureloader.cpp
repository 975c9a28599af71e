// SPDX-License-Identifier: MIT
#include "pictureloader.h"

#include "picturepool.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentRun>

namespace {
bool turnsSideways(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

// The size the reader gives is before the orientation is applied.
QSize shownSize(const QImageReader &reader)
{
    const QSize size = reader.size();
    return turnsSideways(reader.transformation()) ? size.transposed() : size;
}

// A picture without transparency is kept in three bytes a pixel instead of four.
QImage compact(const QImage &picture)
{
    if (picture.isNull() || picture.hasAlphaChannel() || picture.depth() < 32)
        return picture;
    return picture.convertToFormat(QImage::Format_RGB888);
}

// The reader's own scaling turns a one-bit picture (what optimisers write
// for two colours) into black and white noise.
bool isOneBit(QImage::Format format)
{
    return format == QImage::Format_Mono || format == QImage::Format_MonoLSB;
}

// A one-bit picture scaled through eight bits a pixel, where that stays small.
QImage scaledOneBit(const QImage &picture, const QSize &size)
{
    constexpr qint64 largestSmooth = 32 * 1024 * 1024;
    if (qint64(picture.width()) * picture.height() > largestSmooth)
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return picture.convertToFormat(QImage::Format_Indexed8)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The pictures that notes show, by file; they go before the application does.
QHash<QString, QPixmap> &sharedPictures()
{
    static QHash<QString, QPixmap> pictures;
    static const bool cleared = [] {
        qAddPostRoutine([] { pictures.clear(); });
        return true;
    }();
    Q_UNUSED(cleared);
    return pictures;
}

bool readable(const QString &path)
{
    return QFileInfo(path).isFile();
}
} // namespace

std::optional<QSize> PictureLoader::naturalSize(const QString &path)
{
    if (!readable(path))
        return std::nullopt;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = shownSize(reader);
    if (!reader.canRead() || size.isEmpty())
        return std::nullopt;
    return size;
}

QImage PictureLoader::decode(const QString &path, const QSize &target)
{
    if (!readable(path))
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize natural = shownSize(reader);
    if (natural.isEmpty())
        return {};
    if (!target.isValid() || target.isEmpty() || natural.width() <= target.width() ||
        natural.height() <= target.height())
        return reader.read();
    const QSize scaled = natural.scaled(target, Qt::KeepAspectRatioByExpanding);
    if (isOneBit(reader.imageFormat()))
        return scaledOneBit(reader.read(), scaled);
    reader.setScaledSize(turnsSideways(reader.transformation()) ? scaled.transposed() : scaled);
    return reader.read();
}

QImage PictureLoader::load(const QString &path)
{
    return decode(path, QSize());
}

QPixmap PictureLoader::loadShared(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return {};
    // A file changed since it was cached is a different picture.
    const QString key = QStringLiteral("quillnote:%1:%2:%3")
                            .arg(file.canonicalFilePath())
                            .arg(file.lastModified().toMSecsSinceEpoch())
                            .arg(file.size());
    // Shared for as long as any note shows it, however large: the toolkit's
    // own pixmap cache would drop a photograph, and each note decode its own.
    QHash<QString, QPixmap> &shown = sharedPictures();
    shown.removeIf([](const auto &entry) { return entry.value().isDetached(); });
    if (const auto found = shown.constFind(key); found != shown.constEnd())
        return *found;
    const QPixmap picture = QPixmap::fromImage(load(path));
    if (!picture.isNull())
        shown.insert(key, picture);
    return picture;
}

QFuture<QImage> PictureLoader::decodeLater(const QString &path, const QSize &target)
{
    QThreadPool *pool = PicturePool::instance();
    return QtConcurrent::run(pool, [path, target] { return compact(decode(path, target)); });
}
