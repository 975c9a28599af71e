// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

/**
 * Windows that the desktop lists without a caption or an icon.
 */
namespace BareWindow {
/**
 * Takes the caption and the icon off @p window, which must have been created
 * (shown or about to be). The toolkit never leaves a caption empty: it puts
 * the program's name there, and its stock icon.
 */
void clearCaptionAndIcon(QWidget *window);
} // namespace BareWindow
