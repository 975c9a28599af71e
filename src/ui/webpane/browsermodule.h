// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

/** The browser behind web panes: a module loaded the first time a view is asked for. */
namespace BrowserModule {
/**
 * A browser view from the module, with the refusals of a pane's page, or
 * null without the module. It loads the engine whoever runs the program:
 * panes never ask for one when the program runs as an administrator.
 */
QWidget *createView(QWidget *parent);
} // namespace BrowserModule
