// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QDropEvent;
class QMimeData;

/**
 * The files in dragged data, as the desktop's file manager offers them.
 */
namespace DroppedFiles {
/** The path of the first local file in @p data, or empty when it holds none. */
QString firstLocalFile(const QMimeData *data);
/** Accepts a drag that carries a local file, so that only files can be dropped. */
void acceptIfFiles(QDropEvent *event);
} // namespace DroppedFiles
