// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

#include <functional>

class QObject;

/**
 * Background pictures, read at their natural size off the user-interface
 * thread and shared by every note that shows the same unchanged file,
 * however large (the toolkit's own pixmap cache would drop a photograph,
 * and each note decode its own); a picture goes once no note shows it.
 */
namespace SharedPictures {
using Done = std::function<void(const QPixmap &picture)>;

/**
 * Calls @p done with the picture of @p path, or a null one when it will not
 * load: before returning when the picture is ready within a moment, else
 * once it is read (never after @p context has gone).
 */
void fetch(const QString &path, QObject *context, const Done &done);
} // namespace SharedPictures
