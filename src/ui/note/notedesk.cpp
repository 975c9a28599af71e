// SPDX-License-Identifier: MIT
#include "ui/note/notedesk.h"

#include "ui/desktop/deskwindow.h"
#include "ui/note/lockmark.h"
#include "ui/note/notemenu.h"

#include <QAction>
#include <QEvent>
#include <QLoggingCategory>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {
// Debug messages give the settings each note takes, as its file's desk line words them.
Q_LOGGING_CATEGORY(lcNoteDesk, "quillnote.notedesk", QtWarningMsg)
} // namespace

NoteDesk::NoteDesk(QWidget *note) : QObject(note), m_note(note), m_lockMark(new LockMark(note)) {}

void NoteDesk::attachMenu(NoteMenu *menu)
{
    m_menu = menu;
    connectMenu();
    showChoices();
}

void NoteDesk::connectMenu()
{
    const auto layer = [this](QAction *action, DeskSettings::Layer chosen) {
        connect(action, &QAction::triggered, this,
                [this, chosen] { choose([chosen](DeskSettings &s) { s.layer = chosen; }); });
    };
    layer(m_menu->aboveAction, DeskSettings::Layer::Above);
    layer(m_menu->normalAction, DeskSettings::Layer::Normal);
    layer(m_menu->desktopAction, DeskSettings::Layer::Desktop);
    for (QAction *action : m_menu->opacityActions)
        connect(action, &QAction::triggered, this, [this, action] {
            choose([action](DeskSettings &s) { s.opacity = action->data().toInt(); });
        });
    connect(m_menu->clickThroughAction, &QAction::triggered, this,
            [this](bool on) { choose([on](DeskSettings &s) { s.clickThrough = on; }); });
    connect(m_menu->lockAction, &QAction::triggered, this,
            [this](bool on) { choose([on](DeskSettings &s) { s.locked = on; }); });
}

void NoteDesk::stopClickThrough()
{
    choose([](DeskSettings &s) { s.clickThrough = false; });
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
    qCDebug(lcNoteDesk).noquote() << "takes:" << m_settings.toText();
    applyLayer();
    m_note->setWindowOpacity(m_settings.opacity / 100.0);
    applyClickThrough();
    m_lockMark->setVisible(m_settings.locked);
    showChoices();
}

// A note on the desktop is also a window of the desktop's own type, given
// as it shows: a window marked only "below" is hidden when the window
// manager shows the desktop.
void NoteDesk::applyLayer()
{
    const bool above = m_settings.layer == DeskSettings::Layer::Above;
    const bool onDesktop = m_settings.layer == DeskSettings::Layer::Desktop;
    const Qt::WindowFlags flags = m_note->windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) == above &&
        flags.testFlag(Qt::WindowStaysOnBottomHint) == onDesktop)
        return;
    // The window system takes a window's type and layer only as it is
    // mapped: the window is mapped anew.
    const bool shown = m_note->isVisible();
    const bool made = m_note->windowHandle() && m_note->windowHandle()->handle();
    m_note->hide();
    m_note->setWindowFlag(Qt::WindowStaysOnTopHint, above);
    m_note->setWindowFlag(Qt::WindowStaysOnBottomHint, onDesktop);
    if (!shown) {
        m_remapOnShow = made;
        return;
    }
    m_note->show();
    mapAgainWhenShown();
}

// The toolkit makes the window anew as it shows after a layer change, once
// the note has been told that it shows (which takes the caption and the
// icon off and gives the desktop's type): once the new window is on the
// screen, it is mapped once more with them.
void NoteDesk::mapAgainWhenShown()
{
    watchWindow();
    m_mapAgain = true;
}

void NoteDesk::shown()
{
    if (m_settings.layer == DeskSettings::Layer::Desktop)
        DeskWindow::markAsDesktop(m_note);
    if (std::exchange(m_remapOnShow, false))
        mapAgainWhenShown();
}

// The window manager frames the note anew each time it is mapped: the
// pointer is let through again when the window shows.
void NoteDesk::applyClickThrough()
{
    // A note that never let the pointer through is left alone: loads and
    // changed files of ordinary notes ask nothing of the window system.
    if (!m_settings.clickThrough && !m_passesPointer)
        return;
    watchWindow();
    DeskWindow::passPointer(m_note, m_settings.clickThrough);
    m_passesPointer = m_settings.clickThrough;
}

void NoteDesk::watchWindow()
{
    if (m_watchingWindow)
        return;
    m_note->winId();
    m_note->windowHandle()->installEventFilter(this);
    m_watchingWindow = true;
}

bool NoteDesk::eventFilter(QObject *watched, QEvent *event)
{
    const bool exposed = event->type() == QEvent::Expose && m_note->windowHandle()->isExposed();
    if (exposed && std::exchange(m_mapAgain, false))
        QTimer::singleShot(0, this, [this] {
            if (m_note->isVisible()) {
                m_note->hide();
                m_note->show();
            }
        });
    if (m_settings.clickThrough &&
        (event->type() == QEvent::Expose || event->type() == QEvent::Resize))
        DeskWindow::passPointer(m_note, true);
    return QObject::eventFilter(watched, event);
}

void NoteDesk::showChoices()
{
    if (!m_menu)
        return;
    m_menu->discardAction->setEnabled(!m_settings.locked);
    m_menu->aboveAction->setChecked(m_settings.layer == DeskSettings::Layer::Above);
    m_menu->normalAction->setChecked(m_settings.layer == DeskSettings::Layer::Normal);
    m_menu->desktopAction->setChecked(m_settings.layer == DeskSettings::Layer::Desktop);
    for (QAction *action : m_menu->opacityActions)
        action->setChecked(action->data().toInt() == m_settings.opacity);
    m_menu->clickThroughAction->setChecked(m_settings.clickThrough);
    m_menu->lockAction->setChecked(m_settings.locked);
}
