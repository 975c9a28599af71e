// SPDX-License-Identifier: MIT
#pragma once

class QString;

/**
 * What the program sets up on the desktop around its windows.
 */
namespace DesktopSetup {
/** Before the application object exists: window system and browser settings. */
void prepare();
/**
 * After it exists: font substitutes for the note fonts the desktop lacks,
 * @p defaultMemoFont among them.
 */
void registerFonts(const QString &defaultMemoFont);
} // namespace DesktopSetup
