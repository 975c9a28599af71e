// SPDX-License-Identifier: MIT
#pragma once

#include "core/storage/clock.h"
#include "ui/desktop/messagebox.h"
#include "ui/desktop/pickerbackend.h"
#include "ui/desktop/seams.h"

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
