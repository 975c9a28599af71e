// SPDX-License-Identifier: MIT
#pragma once

#include "core/storage/notefile.h"
#include "core/storage/notesaver.h"

#include <QString>

#include <functional>

class Clock;
class MessageBox;
class PickerBackend;
class PictureReads;
class RecentKeys;
class WebPanePool;

/**
 * What the windows reach of the desktop through replaceable parts. The
 * program fills it with the real ones; tests put in scripted ones.
 */
struct Seams
{
    /** The program folder: note files are listed, read, written and deleted here. */
    QString folder;
    Clock *clock = nullptr;
    /** The threads that read note files and pictures, and the pictures notes share. */
    PictureReads *reads = nullptr;
    MessageBox *messageBox = nullptr;
    PickerBackend *pickerBackend = nullptr;
    /** The desktop's folder of entries started at login ($XDG_CONFIG_HOME/autostart). */
    QString autostartFolder;
    /** The user's settings file ($XDG_CONFIG_HOME/quillnote/quillnote.conf): the panes' page. */
    QString settingsPath;
    /** Shows @p folder in the desktop's file manager; false when nothing could. */
    std::function<bool(const QString &folder)> openFolder;
    /** Reads a note file (tests put in reads that block); empty: the program's own. */
    std::function<NoteFile::Contents(const QString &path)> readNote;
    /** Whether a tray can show the icon now. */
    std::function<bool()> trayAvailable;
    /** The live views that web panes share; none: the panes are plain strips. */
    WebPanePool *webPanes = nullptr;
    /** Whether notes write their file soon after each change (off: only when they close). */
    bool writeOnChange = true;
    /** The keys of the last moments, for a memo whose click the keys overtook; none in tests. */
    RecentKeys *recentKeys = nullptr;
    /** How long notes wait before they write, try again, or say they cannot write. */
    NoteSaver::Delays saverDelays;
};
