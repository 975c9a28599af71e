// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>

/**
 * A memory figure of this process in KiB, read from a /proc file: for
 * example ("/proc/self/smaps_rollup", "Pss:") or ("/proc/self/status", "VmRSS:").
 */
inline long procMemoryKiB(const char *file, const QByteArray &key)
{
    QFile proc(QString::fromLatin1(file));
    if (!proc.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : proc.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    return 0;
}

inline long pssKiB()
{
    return procMemoryKiB("/proc/self/smaps_rollup", "Pss:");
}
