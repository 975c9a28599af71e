// SPDX-License-Identifier: MIT
#include "ui/desktop/picker.h"

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
