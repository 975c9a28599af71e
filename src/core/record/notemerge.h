// SPDX-License-Identifier: MIT
#pragma once

#include "core/record/noterecord.h"

/**
 * Joins what this program and another changed in one note file, field by
 * field against what the file held when this program last read or wrote
 * it: a field changed on one side takes that side's text; a field changed
 * on both sides to different texts takes this program's, and the other
 * side's whole record is then to be kept beside it, so that nothing either
 * side wrote is lost.
 */
namespace NoteMerge {
/** The parts that join on their own: the fourteen fields, then the desk line. */
constexpr int deskPart = NoteRecord::FieldCount;
constexpr int partCount = deskPart + 1;
/** Part @p index of @p record: a field's text, or the desk line's words. */
QString part(const NoteRecord &record, int index);
void setPart(NoteRecord &record, int index, const QString &text);

struct Merged
{
    NoteRecord record;
    /** Both sides changed a field differently: the other side's record needs a copy of its own. */
    bool conflict = false;
};

/**
 * The file's record @p file with the fields that the note changed: those
 * whose texts differ between @p before (what the note showed when its file
 * was last read or written) and @p after (what it shows now). Fields the
 * note did not change keep the file's own texts.
 */
NoteRecord changesOver(const NoteRecord &file, const NoteRecord &before, const NoteRecord &after);

/** Joins @p ours and @p theirs, each @p base with changes of its own side. */
Merged merge(const NoteRecord &base, const NoteRecord &ours, const NoteRecord &theirs);
} // namespace NoteMerge
