// SPDX-License-Identifier: MIT
#include "core/reads/picturepool.h"

#include <QThread>

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
