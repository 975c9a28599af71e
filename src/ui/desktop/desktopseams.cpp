// SPDX-License-Identifier: MIT
#include "ui/desktop/desktopseams.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QUrl>

Seams DesktopSeams::forFolder(const QString &folder)
{
    Seams seams;
    seams.folder = folder;
    seams.clock = &m_clock;
    seams.reads = &m_reads;
    seams.webPanes = &m_webPanes;
    seams.messageBox = &m_messageBox;
    seams.pickerBackend = &m_pickerBackend;
    seams.recentKeys = &m_recentKeys;
    seams.autostartFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QLatin1String("/autostart");
    seams.settingsPath = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QLatin1String("/quillnote/quillnote.conf");
    seams.openFolder = [](const QString &path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    seams.trayAvailable = [] {
        return QSystemTrayIcon::isSystemTrayAvailable();
    };
    return seams;
}
