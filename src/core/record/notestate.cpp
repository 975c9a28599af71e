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
    record.setDeskText(desk.toText());
    return record;
}

QString NoteState::defaultFontName()
{
    return QStringLiteral("ＭＳ Ｐゴシック");
}

NoteRecord NoteState::newNoteRecord(const QString &picturePath, float left, float top)
{
    NoteState state;
    state.picturePath = picturePath;
    state.left = left;
    state.top = top;
    state.width = newNoteSide;
    state.height = newNoteSide;
    state.fontName = defaultFontName();
    NoteRecord record = state.toRecord();
    // A new note's file spells its colours as hexadecimal words; saves write numbers.
    record.setField(NoteRecord::BackgroundColour, NoteField::colourHexText(state.backgroundColour));
    record.setField(NoteRecord::TextColour, NoteField::colourHexText(state.textColour));
    return record;
}
