// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QDropEvent;
class QMimeData;
class QObject;

/**
 * The files in dragged data, as the desktop's file manager offers them.
 */
namespace DroppedFiles {
/** The path of the first local file in @p data, or empty when it holds none. */
QString firstLocalFile(const QMimeData *data);
/** Accepts a drag that carries a local file, so that only files can be dropped. */
void acceptIfFiles(QDropEvent *event);
/** Makes @p window accept only drags that carry a local file, as they enter and move. */
void acceptOnlyFiles(QObject *window);
} // namespace DroppedFiles
