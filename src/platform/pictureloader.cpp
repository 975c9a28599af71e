// SPDX-License-Identifier: MIT
#include "pictureloader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QThreadPool>
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

QThreadPool *picturePool()
{
    const QString name = QStringLiteral("quillnotePicturePool");
    auto *pool = qApp->findChild<QThreadPool *>(name, Qt::FindDirectChildrenOnly);
    if (!pool) {
        pool = new QThreadPool(qApp);
        pool->setObjectName(name);
    }
    return pool;
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
    if (target.isValid() && !target.isEmpty() && natural.width() > target.width() &&
        natural.height() > target.height()) {
        const QSize scaled = natural.scaled(target, Qt::KeepAspectRatioByExpanding);
        reader.setScaledSize(turnsSideways(reader.transformation()) ? scaled.transposed() : scaled);
    }
    return reader.read();
}

QImage PictureLoader::load(const QString &path)
{
    return decode(path, QSize());
}

QFuture<QImage> PictureLoader::decodeLater(const QString &path, const QSize &target)
{
    return QtConcurrent::run(picturePool(), &PictureLoader::decode, path, target);
}
