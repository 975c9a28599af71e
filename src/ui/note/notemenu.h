// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

/**
 * A note's pop-up menu: font, text colour, background colour, cancel
 * background picture, web pane on/off, a separator, and discard.
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

private:
    QAction *addCommand(const QString &caption, const char *name);
};
