// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/**
 * The program's entry among the desktop's autostart entries
 * ($XDG_CONFIG_HOME/autostart): while it exists, the desktop starts the
 * program at login.
 */
namespace Autostart {
/** The entry's path in the autostart folder @p folder. */
QString entryPath(const QString &folder);
/** Whether the entry exists in @p folder. */
bool isOn(const QString &folder);
/** The entry starting @p executable, as a desktop entry file holds it. */
QByteArray entry(const QString &executable);
/**
 * Writes the entry starting @p executable into @p folder (made when
 * missing), whole or not at all; empty or the reason it could not.
 */
QString turnOn(const QString &folder, const QString &executable);
/** Removes the entry from @p folder; empty, also when there was none, or the reason. */
QString turnOff(const QString &folder);
} // namespace Autostart
