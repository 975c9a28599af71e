// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

/**
 * The page that every web pane shows, the user's choice, kept in the
 * user's settings file (not in the notes folder: it is the user's, not
 * the notes').
 */
namespace PanePage {
/** The page panes show until the user chooses another. */
QUrl defaultPage();
/** The page @p text names when it is an http or https address with a host; none otherwise. */
std::optional<QUrl> parse(const QString &text);
/** The page kept in the settings file @p settingsPath; the default when none or a bad one. */
QUrl read(const QString &settingsPath);
/** Keeps @p page in the settings file @p settingsPath; false when it could not be written. */
bool write(const QString &settingsPath, const QUrl &page);
} // namespace PanePage
