// SPDX-License-Identifier: MIT
#include "core/record/notemerge.h"

namespace {
constexpr auto fields = static_cast<int>(NoteRecord::FieldCount);
} // namespace

NoteRecord NoteMerge::changesOver(const NoteRecord &file, const NoteRecord &before,
                                  const NoteRecord &after)
{
    NoteRecord changed = file;
    for (int index = 0; index < fields; ++index) {
        const auto field = static_cast<NoteRecord::Field>(index);
        if (after.field(field) != before.field(field))
            changed.setField(field, after.field(field));
    }
    if (after.deskText() != before.deskText())
        changed.setDeskText(after.deskText());
    return changed;
}

NoteMerge::Merged NoteMerge::merge(const NoteRecord &base, const NoteRecord &ours,
                                   const NoteRecord &theirs)
{
    Merged merged{ours, false};
    for (int index = 0; index < fields; ++index) {
        const auto field = static_cast<NoteRecord::Field>(index);
        const QString mine = ours.field(field);
        const QString other = theirs.field(field);
        if (mine == base.field(field))
            merged.record.setField(field, other);
        else if (other != base.field(field) && other != mine)
            merged.conflict = true;
    }
    // The desk line joins as one more field.
    if (ours.deskText() == base.deskText())
        merged.record.setDeskText(theirs.deskText());
    else if (theirs.deskText() != base.deskText() && theirs.deskText() != ours.deskText())
        merged.conflict = true;
    return merged;
}
