// SPDX-License-Identifier: MIT
#pragma once

#include "ui/desktop/pickersettings.h"

#include <QColor>

#include <optional>

class PickerBackend;
class QWidget;

/**
 * The one font and colour picker of the program, shared by every note. Its
 * settings stay between uses, so whatever a command does not set is what the
 * last use left.
 */
class Picker final
{
public:
    explicit Picker(PickerBackend *backend);

    PickerSettings &settings() { return m_settings; }
    const PickerSettings &settings() const { return m_settings; }

    /** Shows the font dialog; waits until it closes. */
    void showFont(QWidget *parent);
    /** Shows the colour dialog; waits until it closes. */
    void showColour(QWidget *parent);
    /**
     * Shows the colour dialog with @p current chosen; the colour it then
     * holds, or nothing when that is no colour a window can show.
     */
    std::optional<QColor> pickColour(const QColor &current, QWidget *parent);

private:
    PickerBackend *m_backend;
    PickerSettings m_settings;
};
