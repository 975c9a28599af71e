// SPDX-License-Identifier: MIT
#include "ui/note/notedesk.h"

#include "ui/note/lockmark.h"
#include "ui/note/notemenu.h"

#include <QAction>
#include <QWidget>

NoteDesk::NoteDesk(QWidget *note) : QObject(note), m_note(note), m_lockMark(new LockMark(note)) {}

void NoteDesk::attachMenu(NoteMenu *menu)
{
    m_menu = menu;
    connectMenu();
    showChoices();
}

void NoteDesk::connectMenu()
{
    connect(m_menu->normalAction, &QAction::triggered, this,
            [this] { choose([](DeskSettings &s) { s.layer = DeskSettings::Layer::Normal; }); });
    connect(m_menu->aboveAction, &QAction::triggered, this,
            [this] { choose([](DeskSettings &s) { s.layer = DeskSettings::Layer::Above; }); });
    for (QAction *action : m_menu->opacityActions)
        connect(action, &QAction::triggered, this, [this, action] {
            choose([action](DeskSettings &s) { s.opacity = action->data().toInt(); });
        });
    connect(m_menu->lockAction, &QAction::triggered, this,
            [this](bool on) { choose([on](DeskSettings &s) { s.locked = on; }); });
}

void NoteDesk::choose(const std::function<void(DeskSettings &)> &change)
{
    const DeskSettings before = m_settings;
    change(m_settings);
    if (m_settings == before)
        return;
    apply();
    emit changed();
}

void NoteDesk::load(const DeskSettings &settings)
{
    m_settings = settings;
    apply();
}

void NoteDesk::apply()
{
    const bool above = m_settings.layer == DeskSettings::Layer::Above;
    if (m_note->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != above) {
        // The window system takes a changed layer as a window made anew.
        const bool shown = m_note->isVisible();
        m_note->setWindowFlag(Qt::WindowStaysOnTopHint, above);
        if (shown)
            m_note->show();
    }
    m_note->setWindowOpacity(m_settings.opacity / 100.0);
    m_lockMark->setVisible(m_settings.locked);
    showChoices();
}

void NoteDesk::showChoices()
{
    if (!m_menu)
        return;
    m_menu->discardAction->setEnabled(!m_settings.locked);
    m_menu->normalAction->setChecked(m_settings.layer == DeskSettings::Layer::Normal);
    m_menu->aboveAction->setChecked(m_settings.layer == DeskSettings::Layer::Above);
    for (QAction *action : m_menu->opacityActions)
        action->setChecked(action->data().toInt() == m_settings.opacity);
    m_menu->lockAction->setChecked(m_settings.locked);
}
