// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

/**
 * Text in code page 932 (Windows-31J), the encoding of note files.
 */
namespace CodePage932 {
/** Decodes @p bytes; invalid sequences become replacement characters. */
QString decode(QByteArrayView bytes);

/**
 * Encodes @p text. A character that code page 932 cannot hold is written as "?".
 * @p lossless, when given, tells whether every character had a mapping.
 */
QByteArray encode(const QString &text, bool *lossless = nullptr);
} // namespace CodePage932
