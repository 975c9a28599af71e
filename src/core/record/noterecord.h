// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <array>

/**
 * The fourteen text fields of a note file, in the program's own form: the
 * memo holds "\n" line breaks, every other field its text as written.
 *
 * A note file is one line of fields joined by commas and ended by CR LF, in
 * code page 932, with the memo's line breaks written as "<br>". That line
 * cannot carry a comma, a leading space, a lone line break, the text "<br>"
 * in the memo, or a character outside code page 932. When a record holds
 * one of those, the line carries a near form of it (a full-width comma, a
 * space, "?") and a second line keeps the exact texts; a reader takes them
 * only when that line's checksum matches the first line it follows.
 *
 * A line starting "~quillnote-desk" may follow: where the note lives on
 * the desktop (see DeskSettings), kept as its text. A file without it, as
 * other programs write the format, is a note like any other.
 */
class NoteRecord final
{
public:
    enum Field
    {
        PicturePath,
        Left,
        Top,
        Width,
        Height,
        BackgroundColour,
        FontName,
        FontSize,
        TextColour,
        Bold,
        Italic,
        WebPaneShown,
        Memo,
        BackgroundPath,
        FieldCount
    };

    QString field(Field index) const { return m_fields[index]; }
    void setField(Field index, const QString &text) { m_fields[index] = text; }
    /** The desk line's words, after its marker; empty when the file has no such line. */
    QString deskText() const { return m_deskText; }
    void setDeskText(const QString &text) { m_deskText = text; }

    /**
     * Whether @p bytes start with a line of all fourteen fields, as every
     * note file that the program writes does.
     */
    static bool holdsRecord(QByteArrayView bytes);
    /** Reads the record from the start of a note file's bytes; missing fields are empty. */
    static NoteRecord fromBytes(QByteArrayView bytes);
    /** The bytes of the note file that holds this record. */
    QByteArray toBytes() const;

    bool operator==(const NoteRecord &other) const = default;

private:
    struct Line;
    static Line readLine(QByteArrayView bytes);
    QByteArray plainLine() const;
    QByteArray exactLine(const Line &written) const;
    void applyExactLine(QByteArrayView firstLine, QByteArrayView rest);
    void applyDeskLine(QByteArrayView rest);

    std::array<QString, FieldCount> m_fields;
    QString m_deskText;
};
