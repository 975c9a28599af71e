// SPDX-License-Identifier: MIT
#include "core/record/notefield.h"

#include "core/record/decimaltext.h"

#include <cmath>
#include <limits>

std::optional<float> NoteField::toNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0.0f;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(value);
}

std::optional<qint32> NoteField::toColour(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    bool ok = false;
    if (trimmed.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        QStringView digits = QStringView(trimmed).mid(2);
        if (digits.endsWith(u'&'))
            digits.chop(1);
        if (digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
        const uint value = digits.toUInt(&ok, 16);
        return ok ? std::optional<qint32>(static_cast<qint32>(value)) : std::nullopt;
    }
    const int value = trimmed.toInt(&ok, 10);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

std::optional<bool> NoteField::toFlag(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<float> number = toNumber(trimmed);
    return number ? std::optional<bool>(*number != 0.0f) : std::nullopt;
}

QString NoteField::numberText(float value)
{
    return DecimalText::format(value, 7);
}

QString NoteField::colourText(qint32 colour)
{
    return QString::number(colour);
}

QString NoteField::colourHexText(qint32 colour)
{
    return QStringLiteral("&H%1&")
        .arg(static_cast<quint32>(colour), 8, 16, QLatin1Char('0'))
        .toUpper();
}

QString NoteField::flagText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
