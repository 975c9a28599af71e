// SPDX-License-Identifier: MIT
#pragma once

/**
 * The window system the notes run on.
 */
namespace WindowSystem {
/**
 * Chooses the window system before the application starts: one where notes
 * may place themselves, unless the user chose one.
 */
void choose();
} // namespace WindowSystem
