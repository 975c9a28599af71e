// SPDX-License-Identifier: MIT
#include "core/reads/picturepool.h"

#include <QCoreApplication>
#include <QThread>

PicturePool::PicturePool(QObject *parent) : QThreadPool(parent) {}

PicturePool *PicturePool::instance()
{
    auto *pool = qApp->findChild<PicturePool *>(QString(), Qt::FindDirectChildrenOnly);
    if (!pool)
        pool = new PicturePool(qApp);
    return pool;
}

void PicturePool::holdBack()
{
    m_heldBack = true;
    setMaxThreadCount(qMax(1, QThread::idealThreadCount() - 1));
}

void PicturePool::release()
{
    m_heldBack = false;
    setMaxThreadCount(QThread::idealThreadCount());
}
