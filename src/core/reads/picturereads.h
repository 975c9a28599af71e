// SPDX-License-Identifier: MIT
#pragma once

#include "core/reads/pictureloader.h"
#include "core/reads/picturepool.h"
#include "core/reads/sharedpictures.h"
#include "core/reads/slowreads.h"

#include <QFuture>

#include <memory>
#include <optional>

/**
 * Everything that reads pictures and note files off the user-interface
 * thread, made once by the program and handed to the windows: the threads
 * for reads that may never come back, the decode threads, the background
 * pictures that notes share, and how picture files are opened. It outlives
 * every window it is handed to. Results come back to the user-interface
 * thread later, never while it waits.
 */
class PictureReads final
{
public:
    /** Opens picture files with @p open (tests put in files whose reads block); empty: the
     * program's own. */
    explicit PictureReads(PictureLoader::Opener open = {});
    /** Decodes not yet begun are dropped; running ones are not waited for. */
    ~PictureReads();
    PictureReads(const PictureReads &) = delete;
    PictureReads &operator=(const PictureReads &) = delete;

    /** The picture's size as shown, from its header, read on a thread for reads that may stall. */
    QFuture<std::optional<QSize>> naturalSize(const QString &path);
    /** The picture decoded for @p target on a decode thread, compact where it has no transparency.
     */
    QFuture<QImage> decode(const QString &path, const QSize &target);

    SlowReads &slowReads() { return m_slowReads; }
    PicturePool &decodes() { return *m_decodes; }
    SharedPictures &backgrounds() { return m_backgrounds; }
    /** Whether a read or a decode runs now: the program then ends without waiting for it. */
    bool isBusy() const;

private:
    std::shared_ptr<const PictureLoader> m_loader;
    SlowReads m_slowReads;
    PicturePool *m_decodes;
    SharedPictures m_backgrounds;
};
