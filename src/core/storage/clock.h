// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>

/**
 * The local clock. Tests replace it with one that tells a fixed time.
 */
class Clock
{
public:
    virtual ~Clock() = default;
    /** The current local date and time. */
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};
