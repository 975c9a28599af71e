// SPDX-License-Identifier: MIT
#include "core/storage/pastedpicture.h"

#include "core/storage/droppedfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QMimeData>
#include <QSaveFile>

namespace {
Q_LOGGING_CATEGORY(lcPasted, "quillnote.pastedpicture", QtWarningMsg)

bool writePng(const QImage &image, const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).path())) {
        qCWarning(lcPasted, "cannot make the folder of %s", qUtf8Printable(path));
        return false;
    }
    // Written whole or not at all: a full disk leaves no broken picture behind.
    QSaveFile file(path);
    QImageWriter writer(&file, "png");
    if (!file.open(QIODevice::WriteOnly) || !writer.write(image) || !file.commit()) {
        qCWarning(lcPasted, "cannot write %s: %s", qUtf8Printable(path),
                  qUtf8Printable(writer.error() != QImageWriter::UnknownError
                                     ? writer.errorString()
                                     : file.errorString()));
        return false;
    }
    return true;
}
} // namespace

QString PastedPicture::fileFor(const QMimeData *data, const QString &pngPath)
{
    if (!data)
        return {};
    const QString file = DroppedFiles::firstLocalFile(data);
    if (!file.isEmpty())
        return file;
    if (!data->hasImage())
        return {};
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull() || !writePng(image, pngPath))
        return {};
    return QDir::toNativeSeparators(pngPath);
}
