// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

class QWidget;

/**
 * Where a top-level window really stands on the screen.
 */
class WindowPosition final
{
public:
    /**
     * The top-left corner of @p window's contents in screen coordinates, as
     * the window system has it; what the toolkit knows where it cannot be asked.
     */
    static QPoint of(const QWidget *window);
};
