// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>

/**
 * Where a note stands, as its file keeps it: the file keeps the place and
 * the size it holds until the user moves or resizes the note. The program
 * or the window system may show the note elsewhere (brought into reach of a
 * screen, placed by a window manager on its own, bounded to the largest
 * window) without the file following; the user's own move, resize or
 * gathering of the notes is what the file gets. All in twips.
 */
class NotePlacement
{
public:
    /**
     * The note came onto the screen at @p shown for a file that holds
     * @p file: the file keeps its place, and its size where the note shows
     * another (a size larger than any window).
     */
    void loaded(const QRectF &file, const QRectF &shown);
    /** The user moved the note (a drag, or gathering the notes): the file gets the new place. */
    void userMoved();
    /** The user resized the note: the file gets its place and size as shown. */
    void userResized();
    /**
     * The program or the window system moves the note from @p shown, where
     * it stood: the file keeps the place it holds, or gets @p shown's place
     * if the user had moved the note there.
     */
    void putElsewhere(const QRectF &shown);

    /** Whether the file keeps a place of its own rather than where the note shows. */
    bool keepsPlace() const { return m_keepPlace; }
    /** What the file gets with the note shown at @p shown. */
    QRectF forFile(const QRectF &shown) const;

private:
    QRectF m_file;
    bool m_keepPlace = false;
    bool m_keepWidth = false;
    bool m_keepHeight = false;
};
