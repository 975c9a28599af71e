// SPDX-License-Identifier: MIT
#pragma once

/**
 * What the program sets up on the desktop around its windows.
 */
class DesktopSetup final
{
public:
    /** Before the application object exists: window system and browser settings. */
    static void prepare();
    /** After it exists: font substitutes for the note fonts the desktop lacks. */
    static void registerFonts();
};
