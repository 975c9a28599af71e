// SPDX-License-Identifier: MIT
#pragma once

#include "core/reads/picturereads.h"
#include "core/storage/clock.h"
#include "ui/desktop/messagebox.h"
#include "ui/desktop/pickerbackend.h"
#include "ui/desktop/recentkeys.h"
#include "ui/desktop/seams.h"
#include "ui/webpane/webpanepool.h"

/**
 * The real parts behind the seams: the system clock, the threads that read
 * pictures and note files, the live views that web panes share, the
 * desktop's message boxes and pickers, and its tray. They live as long as this object, which
 * must outlive the windows given its seams.
 */
class DesktopSeams final
{
public:
    /** Seams for the program folder @p folder, reaching the desktop through this object. */
    Seams forFolder(const QString &folder);
    /** Whether a read or a decode runs now: the program ends without waiting for it. */
    bool isReading() const { return m_reads.isBusy(); }

private:
    Clock m_clock;
    PictureReads m_reads;
    WebPanePool m_webPanes;
    MessageBox m_messageBox;
    PickerBackend m_pickerBackend;
    RecentKeys m_recentKeys;
};
