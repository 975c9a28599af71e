// SPDX-License-Identifier: MIT
#include "core/record/desksettings.h"

namespace {
const QString layerKey = QStringLiteral("layer");
const QString opacityKey = QStringLiteral("opacity");
const QString lockedKey = QStringLiteral("locked");
const QString clickThroughKey = QStringLiteral("clickthrough");
const QString above = QStringLiteral("above");
const QString desktop = QStringLiteral("desktop");
const QString yes = QStringLiteral("yes");

void readWord(DeskSettings &settings, const QString &key, const QString &value)
{
    if (key == layerKey) {
        settings.layer = value == above     ? DeskSettings::Layer::Above
                         : value == desktop ? DeskSettings::Layer::Desktop
                                            : DeskSettings::Layer::Normal;
    } else if (key == opacityKey) {
        bool ok = false;
        const int percent = value.toInt(&ok);
        if (ok && percent >= DeskSettings::leastOpacity && percent <= 100)
            settings.opacity = percent;
    } else if (key == lockedKey) {
        settings.locked = value == yes;
    } else if (key == clickThroughKey) {
        settings.clickThrough = value == yes;
    }
}
} // namespace

DeskSettings DeskSettings::fromText(const QString &text)
{
    DeskSettings settings;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = word.section(u'=', 0, 0);
        if (key == layerKey || key == opacityKey || key == lockedKey || key == clickThroughKey)
            readWord(settings, key, word.section(u'=', 1));
        else
            settings.otherWords.append(word);
    }
    return settings;
}

QString DeskSettings::toText() const
{
    QStringList words;
    if (layer != Layer::Normal)
        words.append(layerKey + u'=' + (layer == Layer::Above ? above : desktop));
    if (opacity != 100)
        words.append(opacityKey + u'=' + QString::number(opacity));
    if (locked)
        words.append(lockedKey + u'=' + yes);
    if (clickThrough)
        words.append(clickThroughKey + u'=' + yes);
    return (words + otherWords).join(u' ');
}
