// SPDX-License-Identifier: MIT
#pragma once

#include "procmemory.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

/**
 * The process's peak proportional set size, sampled every 50 milliseconds
 * on a thread of its own so that the measuring does not slow the program
 * being measured.
 */
class PeakMemory
{
public:
    PeakMemory()
        : m_thread([this] {
              while (!m_stop) {
                  m_peak = std::max(m_peak.load(), pssKiB());
                  std::this_thread::sleep_for(std::chrono::milliseconds(50));
              }
          })
    {
    }
    ~PeakMemory() { stop(); }

    /** Ends the sampling and returns the peak in KiB. */
    long stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        return std::max(m_peak.load(), pssKiB());
    }

private:
    std::atomic<bool> m_stop = false;
    std::atomic<long> m_peak = 0;
    std::thread m_thread;
};
