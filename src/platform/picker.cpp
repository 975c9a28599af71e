// SPDX-License-Identifier: MIT
#include "picker.h"

#include "pickerbackend.h"

Picker::Picker(PickerBackend *backend) : m_backend(backend) {}

void Picker::showFont(QWidget *parent)
{
    m_backend->chooseFont(parent, m_settings);
}

void Picker::showColour(QWidget *parent)
{
    m_backend->chooseColour(parent, m_settings);
}
