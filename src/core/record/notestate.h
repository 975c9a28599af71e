// SPDX-License-Identifier: MIT
#pragma once

#include "core/record/desksettings.h"
#include "core/record/noterecord.h"

#include <QString>

/**
 * Everything a note window shows that its file keeps: geometry in twips,
 * colours as 0x00BBGGRR, the memo font, the web pane, memo and pictures.
 */
struct NoteState
{
    /** A new note's width and height, in twips. */
    static constexpr float newNoteSide = 3000;

    QString picturePath;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    qint32 backgroundColour = 0x00FFFFFF;
    QString fontName;
    float fontSize = 9;
    qint32 textColour = 0;
    bool bold = false;
    bool italic = false;
    bool webPaneShown = false;
    QString memo;
    QString backgroundPath;
    DeskSettings desk;

    /** The record a save writes: numbers, decimal colours, flags as words. */
    NoteRecord toRecord() const;

    /** The record of a new note for @p picturePath with its top-left corner at @p left, @p top. */
    static NoteRecord newNoteRecord(const QString &picturePath, float left, float top);

    /** The memo font of a new note: a Windows font name, kept as it is in the file. */
    static QString defaultFontName();

    bool operator==(const NoteState &other) const = default;
};
