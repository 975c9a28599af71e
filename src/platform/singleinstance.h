// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QLockFile;

/**
 * Tells whether another copy of the program already runs on a program
 * folder. A lock left behind by a copy that crashed does not count.
 */
class SingleInstance final
{
public:
    explicit SingleInstance(const QString &folder);
    ~SingleInstance();

    /** Takes the folder's lock; false when another running copy holds it. */
    bool acquire();

    /** Where the lock of @p folder lives: outside it, so the folder stays untouched. */
    static QString lockPath(const QString &folder);

private:
    std::unique_ptr<QLockFile> m_lock;
};
