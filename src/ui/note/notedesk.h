// SPDX-License-Identifier: MIT
#pragma once

#include "core/record/desksettings.h"

#include <QObject>

#include <functional>

class LockMark;
class NoteMenu;
class QWidget;

/**
 * Where a note lives on the desktop: above other windows or among them,
 * how see-through it is, whether it is locked. Chosen in the "置き方"
 * submenu of the note's menu, kept in the note file's desk line.
 */
class NoteDesk final : public QObject
{
    Q_OBJECT
public:
    explicit NoteDesk(QWidget *note);

    /** Runs the choices of @p menu, made at the note's first menu, and shows them checked. */
    void attachMenu(NoteMenu *menu);

    /** Takes @p settings from the note file. */
    void load(const DeskSettings &settings);
    DeskSettings settings() const { return m_settings; }
    /** A locked note is neither dragged, resized, edited, dropped on nor discarded. */
    bool isLocked() const { return m_settings.locked; }

signals:
    /** The user changed a setting. */
    void changed();

private:
    void connectMenu();
    void choose(const std::function<void(DeskSettings &)> &change);
    void apply();
    void showChoices();

    QWidget *m_note;
    NoteMenu *m_menu = nullptr;
    LockMark *m_lockMark;
    DeskSettings m_settings;
};
