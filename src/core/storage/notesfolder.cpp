// SPDX-License-Identifier: MIT
#include "core/storage/notesfolder.h"

#include <QDir>
#include <QFileInfo>

namespace {
// The bin folder of an installation prefix: /usr, /usr/local, ~/.local.
bool isInstalled(const QDir &folder)
{
    QDir prefix = folder;
    return folder.dirName() == QLatin1String("bin") && prefix.cdUp() &&
           QFileInfo(prefix.filePath(QStringLiteral("share"))).isDir();
}

bool holdsNotes(const QDir &folder)
{
    return !folder.entryList({QStringLiteral("*.dat")}, QDir::Files).isEmpty();
}
} // namespace

QString NotesFolder::choose(const QString &programFolder, const QString &dataFolder)
{
    const QDir program(programFolder);
    const bool writable = QFileInfo(programFolder).isWritable();
    if (!isInstalled(program) && (writable || holdsNotes(program)))
        return programFolder;
    if (!QFileInfo(dataFolder).isDir()) {
        QDir().mkpath(dataFolder);
        QFile::setPermissions(dataFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return dataFolder;
}
