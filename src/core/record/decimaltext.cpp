// SPDX-License-Identifier: MIT
#include "core/record/decimaltext.h"

#include <QByteArray>

#include <cmath>

QString DecimalText::format(double value, int significantDigits)
{
    if (!std::isfinite(value) || value == 0.0)
        return QStringLiteral("0");
    // Qt formats independently of the C locale: "d.ddde+XX".
    const QByteArray scientific = QByteArray::number(std::abs(value), 'e', significantDigits - 1);
    const qsizetype e = scientific.indexOf('e');
    const int exponent = scientific.mid(e + 1).toInt();
    QByteArray digits = scientific.left(e);
    digits.replace(".", "");
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);

    const qsizetype integerDigits = exponent + 1;
    QByteArray text;
    if (integerDigits <= 0)
        text = "0." + QByteArray(-integerDigits, '0') + digits;
    else if (integerDigits >= digits.size())
        text = digits + QByteArray(integerDigits - digits.size(), '0');
    else
        text = digits.left(integerDigits) + '.' + digits.mid(integerDigits);
    return QString::fromLatin1(value < 0 ? "-" + text : text);
}
