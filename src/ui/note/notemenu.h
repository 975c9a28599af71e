// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

/**
 * A note's pop-up menu: font, text colour, background colour, cancel
 * background picture, web pane on/off, a separator, and discard; then,
 * after another separator, the submenu of where the note lives on the
 * desktop (its layer, its opacity, whether clicks pass through it, its
 * lock).
 */
class NoteMenu final : public QMenu
{
    Q_OBJECT
public:
    explicit NoteMenu(QWidget *parent = nullptr);

    QAction *fontAction;
    QAction *textColourAction;
    QAction *backgroundColourAction;
    QAction *cancelBackgroundAction;
    QAction *webPaneAction;
    QAction *discardAction;
    QMenu *deskMenu;
    QAction *normalAction;
    QAction *aboveAction;
    QAction *desktopAction;
    /** Each with its opacity in percent as its data. */
    QList<QAction *> opacityActions;
    QAction *clickThroughAction;
    QAction *lockAction;

private:
    QAction *addCommand(const QString &caption, const char *name);
    void createDeskMenu();
    QAction *switchItem(const QString &caption, const char *name);
};
