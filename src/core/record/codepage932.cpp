// SPDX-License-Identifier: MIT
#include "core/record/codepage932.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {
constexpr const char *codecName = "CP932";

// Printable ASCII is the same in code page 932; most fields are only that
// (numbers, flags, many paths), so they skip the codec.
template <typename Char> bool isPrintableAscii(Char c)
{
    return c >= 0x20 && c < 0x7F;
}

// The codec marks an unmappable character with its own substitute byte, so a
// string that did not encode cleanly is encoded again one code point at a time.
QByteArray encodeByCodePoint(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        // The error mark stays set once raised, so each code point has its own encoder.
        QStringEncoder encoder(codecName, QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder.encode(QStringView(text).mid(i, length));
        out += encoder.hasError() ? QByteArray("?") : bytes;
        i += length;
    }
    return out;
}
} // namespace

QString CodePage932::decode(QByteArrayView bytes)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return isPrintableAscii(c); }))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder(codecName, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray CodePage932::encode(const QString &text, bool *lossless)
{
    if (std::all_of(text.begin(), text.end(),
                    [](QChar c) { return isPrintableAscii(c.unicode()); })) {
        if (lossless)
            *lossless = true;
        return text.toLatin1();
    }
    QStringEncoder encoder(codecName, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    const bool clean = !encoder.hasError();
    if (lossless)
        *lossless = clean;
    return clean ? bytes : encodeByCodePoint(text);
}
