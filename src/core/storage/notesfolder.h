// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/**
 * Where the notes of a program live, decided once at start.
 */
namespace NotesFolder {
/**
 * The notes folder of the program in @p programFolder: that folder itself
 * for a program copied into a folder of the user's (its notes beside it, as
 * on a USB stick), also when it cannot be written but already holds notes;
 * @p dataFolder (made on first use, for the user only) for an installed
 * program, in the bin folder of an installation prefix, or one whose folder
 * the user cannot write and that holds no notes.
 */
QString choose(const QString &programFolder, const QString &dataFolder);
} // namespace NotesFolder
