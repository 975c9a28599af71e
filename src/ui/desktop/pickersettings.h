// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/**
 * What the shared picker holds between uses: its flags, a font and a colour.
 */
struct PickerSettings
{
    /** Colour picker: start with the colour selected. */
    static constexpr int ColourSelected = 1;
    /** Colour picker: show the custom-colour part. */
    static constexpr int FullForm = 2;

    int flags = 0;
    QString fontName;
    float fontSize = 0;
    bool bold = false;
    bool italic = false;
    qint32 colour = 0; ///< 0x00BBGGRR

    bool operator==(const PickerSettings &other) const = default;
};
