// SPDX-License-Identifier: MIT
#include "core/reads/pictureloader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

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

// A picture file open for reading, its orientation applied; a reader on a
// file takes its suffix for a hint, as one given the path does.
class OpenPicture
{
public:
    explicit OpenPicture(std::unique_ptr<QIODevice> file)
        : m_file(std::move(file)), m_reader(m_file.get())
    {
        m_reader.setAutoTransform(true);
    }
    /** Its size as shown; empty when it cannot be read. */
    QSize shownSize() const { return m_file ? ::shownSize(m_reader) : QSize(); }
    QImageReader &reader() { return m_reader; }

private:
    std::unique_ptr<QIODevice> m_file;
    QImageReader m_reader;
};
} // namespace

// Only regular files are read: a fifo or a device could block the reader for good.
std::unique_ptr<QIODevice> PictureLoader::openFile(const QString &path) const
{
    if (m_open)
        return m_open(path);
    if (!QFileInfo(path).isFile())
        return nullptr;
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return nullptr;
    return file;
}

std::optional<QSize> PictureLoader::naturalSize(const QString &path) const
{
    OpenPicture picture(openFile(path));
    const QSize size = picture.shownSize();
    if (size.isEmpty() || !picture.reader().canRead())
        return std::nullopt;
    return size;
}

QImage PictureLoader::decode(const QString &path, const QSize &target) const
{
    OpenPicture picture(openFile(path));
    QImageReader &reader = picture.reader();
    const QSize natural = picture.shownSize();
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

QImage PictureLoader::loadCorner(const QString &path, const QSize &limit, QSize *natural) const
{
    OpenPicture picture(openFile(path));
    QImageReader &reader = picture.reader();
    const QSize whole = picture.shownSize();
    if (whole.isEmpty())
        return {};
    if (natural)
        *natural = whole;
    const QRect corner(QPoint(0, 0), limit.isValid() ? whole.boundedTo(limit) : whole);
    if (corner.size() == whole)
        return reader.read();
    // The reader clips before it turns the picture: a turned one is cut once it is read.
    if (reader.transformation() != QImageIOHandler::TransformationNone)
        return reader.read().copy(corner);
    reader.setClipRect(corner);
    return reader.read();
}

QImage PictureLoader::decodeCompact(const QString &path, const QSize &target) const
{
    return compact(decode(path, target));
}
