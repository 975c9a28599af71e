// SPDX-License-Identifier: MIT
#include "core/posix/processuser.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <unistd.h>

bool ProcessUser::isAdministrator()
{
    return ::geteuid() == 0;
}
#else
bool ProcessUser::isAdministrator()
{
    return false;
}
#endif
