// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/**
 * Plain decimal text of a number: "." as the point whatever the locale, no
 * exponent, no "+", no trailing zeros and no point for a whole value.
 */
namespace DecimalText {
/** @p value rounded to @p significantDigits significant digits. */
QString format(double value, int significantDigits);
} // namespace DecimalText
