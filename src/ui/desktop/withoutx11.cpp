// SPDX-License-Identifier: MIT
// Built instead of the X11 workarounds where the program is built without
// xcb: the toolkit's own answers stand, and its default window system.
#include "ui/desktop/barewindow.h"
#include "ui/desktop/deskwindow.h"
#include "ui/desktop/windowposition.h"
#include "ui/desktop/windowsystem.h"

#include <QWidget>

void BareWindow::clearCaptionAndIcon(QWidget *) {}

void DeskWindow::passPointer(QWidget *window, bool on)
{
    if (window->windowFlags().testFlag(Qt::WindowTransparentForInput) == on)
        return;
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::WindowTransparentForInput, on);
    if (shown)
        window->show();
}

void DeskWindow::markAsDesktop(QWidget *window)
{
    window->setAttribute(Qt::WA_X11NetWmWindowTypeDesktop);
}

QPoint WindowPosition::of(const QWidget *window)
{
    return window->pos();
}

void WindowSystem::choose() {}
