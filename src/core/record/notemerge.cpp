// SPDX-License-Identifier: MIT
#include "core/record/notemerge.h"

namespace {
// The parts that join on their own: the fourteen fields, then the desk line.
constexpr int deskPart = NoteRecord::FieldCount;
constexpr int parts = deskPart + 1;

QString part(const NoteRecord &record, int index)
{
    return index == deskPart ? record.deskText()
                             : record.field(static_cast<NoteRecord::Field>(index));
}

void setPart(NoteRecord &record, int index, const QString &text)
{
    if (index == deskPart)
        record.setDeskText(text);
    else
        record.setField(static_cast<NoteRecord::Field>(index), text);
}
} // namespace

NoteRecord NoteMerge::changesOver(const NoteRecord &file, const NoteRecord &before,
                                  const NoteRecord &after)
{
    NoteRecord changed = file;
    for (int index = 0; index < parts; ++index)
        if (part(after, index) != part(before, index))
            setPart(changed, index, part(after, index));
    return changed;
}

NoteMerge::Merged NoteMerge::merge(const NoteRecord &base, const NoteRecord &ours,
                                   const NoteRecord &theirs)
{
    Merged merged{ours, false};
    for (int index = 0; index < parts; ++index) {
        const QString mine = part(ours, index);
        const QString other = part(theirs, index);
        if (mine == part(base, index))
            setPart(merged.record, index, other);
        else if (other != part(base, index) && other != mine)
            merged.conflict = true;
    }
    return merged;
}
