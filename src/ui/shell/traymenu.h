// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

class NoteKeeper;

/**
 * The tray icon's menu: hide every note or show them again, and make the
 * notes that the pointer passes through take it again (such a note cannot
 * be right-clicked for its own menu).
 */
class TrayMenu final : public QMenu
{
    Q_OBJECT
public:
    TrayMenu(NoteKeeper *keeper, QWidget *parent);

    static const char *const stopClickThroughText;

private:
    void showTexts();

    NoteKeeper *m_keeper;
    QAction *m_hideOrShow;
};
