// SPDX-License-Identifier: MIT
#pragma once

#include "clock.h"
#include "messagebox.h"
#include "pickerbackend.h"
#include "seams.h"

/**
 * The real parts behind the seams: the system clock, the desktop's message
 * boxes and pickers, and its tray. They live as long as this object, which
 * must outlive the windows given its seams.
 */
class DesktopSeams final
{
public:
    /** Seams for the program folder @p folder, reaching the desktop through this object. */
    Seams forFolder(const QString &folder);

private:
    Clock m_clock;
    MessageBox m_messageBox;
    PickerBackend m_pickerBackend;
};
