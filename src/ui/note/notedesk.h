// SPDX-License-Identifier: MIT
#pragma once

#include "core/record/desksettings.h"

#include <QObject>

#include <functional>

class LockMark;
class NoteMenu;
class QWidget;

/**
 * Where a note lives on the desktop: above other windows, among them or
 * on the desktop below them, how see-through it is, whether the pointer
 * passes through it, whether it is locked. Chosen in the "置き方"
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
    /** The note's window is about to be mapped: it is told the note's layer. */
    void shown();
    /** Stops letting the pointer through, as the user's choice (also for a locked note). */
    void stopClickThrough();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    /** The user changed a setting. */
    void changed();

private:
    void connectMenu();
    void choose(const std::function<void(DeskSettings &)> &change);
    void apply();
    void applyLayer();
    void applyClickThrough();
    void mapAgainWhenShown();
    void watchWindow();
    void showChoices();

    QWidget *m_note;
    NoteMenu *m_menu = nullptr;
    LockMark *m_lockMark;
    DeskSettings m_settings;
    bool m_watchingWindow = false;
    /** The window lets the pointer through. */
    bool m_passesPointer = false;
    /** The layer changed while the note's window was hidden: it is mapped again as it shows. */
    bool m_remapOnShow = false;
    /** The note's window is mapped again once it is on the screen. */
    bool m_mapAgain = false;
};
