// SPDX-License-Identifier: MIT
#include "core/storage/picturepath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
// A path of another system: "C:/..." or "\\server\...", whatever its separators.
bool isAbsoluteElsewhere(const QString &slashed)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:/"));
    return slashed.startsWith(u'/') || drive.match(slashed).hasMatch();
}
} // namespace

PicturePath PicturePath::find(const QString &named, const QString &notesFolder)
{
    if (named.isEmpty() || (named.startsWith(u'/') && QFileInfo::exists(named)))
        return {named, {}};
    const QString slashed = QString(named).replace(u'\\', u'/');
    const QDir folder(notesFolder);
    const int at = slashed.lastIndexOf(QLatin1String("pictures/"), -1, Qt::CaseInsensitive);
    if (at == 0 || (at > 0 && slashed[at - 1] == u'/')) {
        const QString here = folder.filePath(QStringLiteral("pictures/") + slashed.mid(at + 9));
        if (QFileInfo::exists(here))
            return {named, here};
    }
    // A relative path names a file of the notes folder, never of the working folder.
    if (!isAbsoluteElsewhere(slashed))
        return {named, folder.filePath(slashed)};
    return {named, {}};
}
