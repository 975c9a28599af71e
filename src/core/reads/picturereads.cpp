// SPDX-License-Identifier: MIT
#include "core/reads/picturereads.h"

#include <QtConcurrent/QtConcurrentRun>

PictureReads::PictureReads(PictureLoader::Opener open)
    : m_loader(std::make_shared<const PictureLoader>(std::move(open))), m_decodes(new PicturePool),
      m_backgrounds(m_loader, m_slowReads)
{
}

PictureReads::~PictureReads()
{
    // Deleting a pool waits for its decodes, which a huge picture makes
    // seconds long: a busy one is left to the process's end.
    m_decodes->clear();
    if (m_decodes->activeThreadCount() == 0)
        delete m_decodes;
}

QFuture<std::optional<QSize>> PictureReads::naturalSize(const QString &path)
{
    return QtConcurrent::run(m_slowReads.pool(),
                             [loader = m_loader, path] { return loader->naturalSize(path); });
}

QFuture<QImage> PictureReads::decode(const QString &path, const QSize &target)
{
    return QtConcurrent::run(
        static_cast<QThreadPool *>(m_decodes),
        [loader = m_loader, path, target] { return loader->decodeCompact(path, target); });
}

bool PictureReads::isBusy() const
{
    return m_slowReads.isBusy() || m_decodes->activeThreadCount() > 0;
}
