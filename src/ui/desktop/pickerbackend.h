// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/pickersettings.h"

class QWidget;

/**
 * Shows the font and colour dialogs of the picker. OK stores the choice in
 * the settings; Cancel leaves them as they were. Tests script the answers.
 */
class PickerBackend
{
public:
    virtual ~PickerBackend() = default;
    virtual void chooseFont(QWidget *parent, PickerSettings &settings);
    virtual void chooseColour(QWidget *parent, PickerSettings &settings);
};
