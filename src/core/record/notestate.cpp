// SPDX-License-Identifier: MIT
#include "core/record/notestate.h"

#include "core/record/notefield.h"

NoteRecord NoteState::toRecord() const
{
    NoteRecord record;
    record.setField(NoteRecord::PicturePath, picturePath);
    record.setField(NoteRecord::Left, NoteField::numberText(left));
    record.setField(NoteRecord::Top, NoteField::numberText(top));
    record.setField(NoteRecord::Width, NoteField::numberText(width));
    record.setField(NoteRecord::Height, NoteField::numberText(height));
    record.setField(NoteRecord::BackgroundColour, NoteField::colourText(backgroundColour));
    record.setField(NoteRecord::FontName, fontName);
    record.setField(NoteRecord::FontSize, NoteField::numberText(fontSize));
    record.setField(NoteRecord::TextColour, NoteField::colourText(textColour));
    record.setField(NoteRecord::Bold, NoteField::flagText(bold));
    record.setField(NoteRecord::Italic, NoteField::flagText(italic));
    record.setField(NoteRecord::WebPaneShown, NoteField::flagText(webPaneShown));
    record.setField(NoteRecord::Memo, memo);
    record.setField(NoteRecord::BackgroundPath, backgroundPath);
    return record;
}

QString NoteState::defaultFontName()
{
    return QStringLiteral("ＭＳ Ｐゴシック");
}

NoteRecord NoteState::newNoteRecord(const QString &picturePath, float left, float top)
{
    NoteRecord record;
    record.setField(NoteRecord::PicturePath, picturePath);
    record.setField(NoteRecord::Left, NoteField::numberText(left));
    record.setField(NoteRecord::Top, NoteField::numberText(top));
    record.setField(NoteRecord::Width, QStringLiteral("3000"));
    record.setField(NoteRecord::Height, QStringLiteral("3000"));
    record.setField(NoteRecord::BackgroundColour, QStringLiteral("&H00FFFFFF&"));
    record.setField(NoteRecord::FontName, defaultFontName());
    record.setField(NoteRecord::FontSize, QStringLiteral("9"));
    record.setField(NoteRecord::TextColour, QStringLiteral("&H00000000&"));
    record.setField(NoteRecord::Bold, QStringLiteral("False"));
    record.setField(NoteRecord::Italic, QStringLiteral("False"));
    record.setField(NoteRecord::WebPaneShown, QStringLiteral("False"));
    return record;
}
