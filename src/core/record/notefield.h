// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

/**
 * Conversions between the texts of a note record's fields and the values
 * they hold. A text that does not convert gives no value, so the step that
 * applies it is skipped.
 */
namespace NoteField {
/** Single-precision number; an empty field is 0. */
std::optional<float> toNumber(const QString &text);
/** Colour 0x00BBGGRR as decimal signed 32-bit or "&H" hex "&"; an empty field is 0. */
std::optional<qint32> toColour(const QString &text);
/** "True"/"False" in any case, or a number (0 is false); an empty field is false. */
std::optional<bool> toFlag(const QString &text);

/** Number form: at most 7 significant digits, no exponent. */
QString numberText(float value);
/** Colour as a save writes it: decimal of the signed value. */
QString colourText(qint32 colour);
/** Colour as a new note writes it: "&H", eight hex digits, "&". */
QString colourHexText(qint32 colour);
/** Flag as the words "True" or "False". */
QString flagText(bool value);
} // namespace NoteField
