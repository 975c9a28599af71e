// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QLockFile;

/**
 * Tells whether another copy of the program already runs on a notes
 * folder. A lock left behind by a copy that crashed on this host does not
 * count; one held from another host does.
 */
class SingleInstance final
{
public:
    explicit SingleInstance(const QString &folder);
    ~SingleInstance();

    /** Takes the folder's lock; false when another running copy holds it. */
    bool acquire();
    /** Gives the lock up, so that the next copy starts at once; nothing when it is not held. */
    void release();

    /**
     * Where the lock of @p folder lives: in the folder itself under a hidden
     * name that is no note's, so that every copy on that folder, whatever its
     * temporary folder or host, sees it; in the user's runtime folder when the
     * folder takes no new file.
     */
    static QString lockPath(const QString &folder);

private:
    std::unique_ptr<QLockFile> m_lock;
};
