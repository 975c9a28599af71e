// SPDX-License-Identifier: MIT
#include "ui/desktop/picker.h"

#include "core/record/colourref.h"
#include "ui/desktop/pickerbackend.h"

Picker::Picker(PickerBackend *backend) : m_backend(backend) {}

void Picker::showFont(QWidget *parent)
{
    m_backend->chooseFont(parent, m_settings);
}

void Picker::showColour(QWidget *parent)
{
    m_backend->chooseColour(parent, m_settings);
}

std::optional<QColor> Picker::pickColour(const QColor &current, QWidget *parent)
{
    m_settings.colour = ColourRef::fromColor(current);
    showColour(parent);
    return ColourRef::toColor(m_settings.colour);
}
