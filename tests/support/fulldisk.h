// SPDX-License-Identifier: MIT
#pragma once

#include <csignal>

#include <sys/resource.h>

/**
 * A disk that fills up, for the test process: while filled, no file may
 * grow past a few bytes. The limit the process had comes back with free().
 */
class FullDisk final
{
public:
    FullDisk()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_room);
    }
    ~FullDisk() { free(); }

    /** From now on no file grows past @p bytes. */
    bool fill(rlim_t bytes)
    {
        rlimit full = m_room;
        full.rlim_cur = bytes;
        return setrlimit(RLIMIT_FSIZE, &full) == 0;
    }
    bool free() { return setrlimit(RLIMIT_FSIZE, &m_room) == 0; }

private:
    rlimit m_room{};
};
