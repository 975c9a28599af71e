// SPDX-License-Identifier: MIT
#include "desktopseams.h"

#include <QSystemTrayIcon>

Seams DesktopSeams::forFolder(const QString &folder)
{
    Seams seams;
    seams.folder = folder;
    seams.clock = &m_clock;
    seams.messageBox = &m_messageBox;
    seams.pickerBackend = &m_pickerBackend;
    seams.trayAvailable = [] {
        return QSystemTrayIcon::isSystemTrayAvailable();
    };
    return seams;
}
