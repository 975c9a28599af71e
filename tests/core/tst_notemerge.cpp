// SPDX-License-Identifier: MIT
#include "core/record/notemerge.h"

#include <QTest>

namespace {
NoteRecord allFields(const QString &text)
{
    NoteRecord record;
    for (int index = 0; index < NoteRecord::FieldCount; ++index)
        record.setField(static_cast<NoteRecord::Field>(index), text);
    return record;
}
} // namespace

class TestNoteMerge final : public QObject
{
    Q_OBJECT
private slots:
    void joinsEachFieldOnItsOwn_data();
    void joinsEachFieldOnItsOwn();
    void takesOnlyWhatTheNoteChanged();
};

void TestNoteMerge::joinsEachFieldOnItsOwn_data()
{
    // Every field of a record that both sides started from as "base": one
    // field as each side left it, every other field left alone by both.
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("ours");
    QTest::addColumn<QString>("theirs");
    QTest::addColumn<QString>("joined");
    QTest::addColumn<bool>("conflict");
    for (int field = 0; field < NoteRecord::FieldCount; ++field) {
        const auto row = [field](const char *what) -> QTestData & {
            return QTest::addRow("field %d %s", field, what) << field;
        };
        row("changed by neither") << "base"
                                  << "base"
                                  << "base" << false;
        row("changed here") << "mine"
                            << "base"
                            << "mine" << false;
        row("changed there") << "base"
                             << "theirs"
                             << "theirs" << false;
        row("changed alike on both sides") << "same"
                                           << "same"
                                           << "same" << false;
        row("changed differently on both sides") << "mine"
                                                 << "theirs"
                                                 << "mine" << true;
        row("emptied there") << "base"
                             << ""
                             << "" << false;
    }
}

void TestNoteMerge::joinsEachFieldOnItsOwn()
{
    QFETCH(int, field);
    QFETCH(QString, ours);
    QFETCH(QString, theirs);
    QFETCH(QString, joined);
    QFETCH(bool, conflict);
    const auto index = static_cast<NoteRecord::Field>(field);
    const NoteRecord base = allFields(QStringLiteral("base"));
    NoteRecord mine = base;
    mine.setField(index, ours);
    NoteRecord other = base;
    other.setField(index, theirs);
    // The other fields: one changed here, one there, the rest by neither.
    const auto here = static_cast<NoteRecord::Field>((field + 1) % NoteRecord::FieldCount);
    const auto there = static_cast<NoteRecord::Field>((field + 2) % NoteRecord::FieldCount);
    mine.setField(here, QStringLiteral("here"));
    other.setField(there, QStringLiteral("there"));

    const NoteMerge::Merged merged = NoteMerge::merge(base, mine, other);
    QCOMPARE(merged.record.field(index), joined);
    QCOMPARE(merged.record.field(here), QStringLiteral("here"));
    QCOMPARE(merged.record.field(there), QStringLiteral("there"));
    QCOMPARE(merged.conflict, conflict);
}

void TestNoteMerge::takesOnlyWhatTheNoteChanged()
{
    // The file spells a colour its own way; the note writes it as a number
    // and changed only the memo: the file's spelling stays.
    NoteRecord file = allFields(QStringLiteral("file"));
    file.setField(NoteRecord::BackgroundColour, QStringLiteral("&H00FFFFFF&"));
    NoteRecord before = allFields(QStringLiteral("shown"));
    before.setField(NoteRecord::BackgroundColour, QStringLiteral("16777215"));
    NoteRecord after = before;
    after.setField(NoteRecord::Memo, QStringLiteral("new memo"));

    NoteRecord expected = file;
    expected.setField(NoteRecord::Memo, QStringLiteral("new memo"));
    QCOMPARE(NoteMerge::changesOver(file, before, after), expected);
}

QTEST_GUILESS_MAIN(TestNoteMerge)
#include "tst_notemerge.moc"
