// SPDX-License-Identifier: MIT
#include "core/storage/droppedfiles.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

QString DroppedFiles::firstLocalFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            return QDir::toNativeSeparators(url.toLocalFile());
    }
    return {};
}

void DroppedFiles::acceptIfFiles(QDropEvent *event)
{
    if (!firstLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}
