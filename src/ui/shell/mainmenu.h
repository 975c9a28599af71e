// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/seams.h"

#include <QMenu>

/**
 * The main window's pop-up menu: make a note from the clipboard, gather
 * every note on one screen, make the notes that the pointer passes through
 * take it again, start the program at login, show the notes folder in the
 * file manager, choose the page the web panes show, and a short notice
 * about the program.
 */
class MainMenu final : public QMenu
{
    Q_OBJECT
public:
    MainMenu(const Seams &seams, QWidget *parent);

    static QString aboutText(const QString &notesFolder);

signals:
    void pasteRequested();
    void gatherRequested();
    void stopClickThroughRequested();
    /** The user chose @p page for every web pane; it is kept in the settings already. */
    void webPageChosen(const QUrl &page);

private:
    void setStartAtLogin(bool on);
    void openNotesFolder();
    void chooseWebPage();

    const Seams &m_seams;
    QAction *m_startAtLogin = nullptr;
};
