// SPDX-License-Identifier: MIT
// libFuzzer target: note file bytes through the reader, every converter and
// the writer. A record written and read again must be the same record.
#include "core/record/notefield.h"
#include "core/record/noterecord.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const NoteRecord record = NoteRecord::fromBytes(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (int index = 0; index < NoteRecord::FieldCount; ++index) {
        const QString text = record.field(NoteRecord::Field(index));
        NoteField::toNumber(text);
        NoteField::toColour(text);
        NoteField::toFlag(text);
    }
    if (NoteRecord::fromBytes(record.toBytes()) != record)
        std::abort();
    return 0;
}
