// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

#include <optional>

/**
 * Colours as the platform and note files give them: 32-bit values 0x00BBGGRR.
 */
namespace ColourRef {
/** The colour of @p value, or nothing when its top byte is set (no plain colour). */
std::optional<QColor> toColor(qint32 value);
/** The 0x00BBGGRR value of @p colour. */
qint32 fromColor(const QColor &colour);
} // namespace ColourRef
