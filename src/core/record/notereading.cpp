// SPDX-License-Identifier: MIT
#include "core/record/notereading.h"

#include "core/record/colourref.h"
#include "core/record/notefield.h"
#include "core/record/twips.h"
#include "core/rules/notelayout.h"

namespace {
std::optional<int> windowPixels(const QString &text, const Twips &twips)
{
    const auto value = NoteField::toNumber(text);
    return value ? twips.toWindowPixels(*value) : std::nullopt;
}

// A window refuses a negative size: the step is skipped, as for a word.
std::optional<int> windowLength(const QString &text, const Twips &twips)
{
    const auto pixels = windowPixels(text, twips);
    return pixels && *pixels >= 0 ? pixels : std::nullopt;
}

std::optional<QColor> colour(const QString &text)
{
    const auto value = NoteField::toColour(text);
    return value ? ColourRef::toColor(*value) : std::nullopt;
}

std::optional<float> pointSize(const QString &text)
{
    const auto size = NoteField::toNumber(text);
    if (size && *size > 0 && *size <= NoteReading::largestFontSize)
        return size;
    return std::nullopt;
}
} // namespace

NoteReading NoteReading::fromRecord(const NoteRecord &record, const Twips &twips)
{
    NoteReading reading;
    reading.picturePath = record.field(NoteRecord::PicturePath);
    reading.left = windowPixels(record.field(NoteRecord::Left), twips);
    reading.top = windowPixels(record.field(NoteRecord::Top), twips);
    reading.width = windowLength(record.field(NoteRecord::Width), twips);
    reading.height = windowLength(record.field(NoteRecord::Height), twips);
    reading.widthTwips = NoteField::toNumber(record.field(NoteRecord::Width));
    reading.heightTwips = NoteField::toNumber(record.field(NoteRecord::Height));
    reading.backgroundColour = colour(record.field(NoteRecord::BackgroundColour));
    reading.fontName = record.field(NoteRecord::FontName);
    reading.fontSize = pointSize(record.field(NoteRecord::FontSize));
    reading.textColour = colour(record.field(NoteRecord::TextColour));
    reading.bold = NoteField::toFlag(record.field(NoteRecord::Bold));
    reading.italic = NoteField::toFlag(record.field(NoteRecord::Italic));
    reading.webPaneShown = NoteField::toFlag(record.field(NoteRecord::WebPaneShown));
    reading.memo = record.field(NoteRecord::Memo);
    reading.backgroundPath = record.field(NoteRecord::BackgroundPath);
    reading.desk = DeskSettings::fromText(record.deskText());
    return reading;
}

QRect NoteReading::geometry(const QRect &current) const
{
    const QRect wanted(left.value_or(current.x()), top.value_or(current.y()),
                       width.value_or(current.width()), height.value_or(current.height()));
    return QRect(wanted.topLeft(), wanted.size().expandedTo(NoteLayout::minimumWindowSize()));
}

QFont NoteReading::font(QFont font) const
{
    if (!fontName.isEmpty())
        font.setFamily(fontName);
    if (fontSize)
        font.setPointSizeF(*fontSize);
    if (bold)
        font.setBold(*bold);
    if (italic)
        font.setItalic(*italic);
    return font;
}
