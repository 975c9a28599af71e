// SPDX-License-Identifier: MIT
#pragma once

/**
 * Who the program runs as.
 */
namespace ProcessUser {
/** Whether the program runs with the system administrator's rights (root). */
bool isAdministrator();
} // namespace ProcessUser
