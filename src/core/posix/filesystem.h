// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/**
 * What the file system tells and does beneath the toolkit's file classes:
 * the names a file has, space taken before it is written, data forced onto
 * the disk. Each step that the system cannot do reports the reason.
 */
namespace FileSystem {
/** How many names (hard links) the file at @p path has; 1 when that cannot be told. */
int linkCount(const QString &path);
/** Makes sure that the open file @p descriptor can hold @p size bytes; empty or the reason. */
QString reserve(int descriptor, qint64 size);
/** Forces what was written to @p descriptor onto the disk; empty or the reason. */
QString syncToDisk(int descriptor);
/**
 * Forces the names in @p folder onto the disk, so that a file renamed into
 * place there survives a power cut; quietly nothing where the file system
 * cannot.
 */
void syncFolder(const QString &folder);
} // namespace FileSystem
