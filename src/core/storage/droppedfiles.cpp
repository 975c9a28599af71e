// SPDX-License-Identifier: MIT
#include "core/storage/droppedfiles.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {
// Answers the drags that enter and move over the window it watches.
class FileDragFilter final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove)
            return QObject::eventFilter(watched, event);
        DroppedFiles::acceptIfFiles(static_cast<QDropEvent *>(event));
        return true;
    }
};
} // namespace

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

void DroppedFiles::acceptOnlyFiles(QObject *window)
{
    window->installEventFilter(new FileDragFilter(window));
}
