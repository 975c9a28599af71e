// SPDX-License-Identifier: MIT
#include "core/record/notemerge.h"

QString NoteMerge::part(const NoteRecord &record, int index)
{
    return index == deskPart ? record.deskText()
                             : record.field(static_cast<NoteRecord::Field>(index));
}

void NoteMerge::setPart(NoteRecord &record, int index, const QString &text)
{
    if (index == deskPart)
        record.setDeskText(text);
    else
        record.setField(static_cast<NoteRecord::Field>(index), text);
}

NoteRecord NoteMerge::changesOver(const NoteRecord &file, const NoteRecord &before,
                                  const NoteRecord &after)
{
    NoteRecord changed = file;
    for (int index = 0; index < partCount; ++index)
        if (part(after, index) != part(before, index))
            setPart(changed, index, part(after, index));
    return changed;
}

NoteMerge::Merged NoteMerge::merge(const NoteRecord &base, const NoteRecord &ours,
                                   const NoteRecord &theirs)
{
    Merged merged{ours, false};
    for (int index = 0; index < partCount; ++index) {
        const QString mine = part(ours, index);
        const QString other = part(theirs, index);
        if (mine == part(base, index))
            setPart(merged.record, index, other);
        else if (other != part(base, index) && other != mine)
            merged.conflict = true;
    }
    return merged;
}
