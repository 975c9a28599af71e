// SPDX-License-Identifier: MIT
#include "core/record/notemerge.h"

#include <QTest>

namespace {
using NoteMerge::part;
using NoteMerge::partCount;
using NoteMerge::setPart;

NoteRecord allFields(const QString &text)
{
    NoteRecord record;
    for (int index = 0; index < partCount; ++index)
        setPart(record, index, text);
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
    for (int field = 0; field < partCount; ++field) {
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
    const NoteRecord base = allFields(QStringLiteral("base"));
    NoteRecord mine = base;
    setPart(mine, field, ours);
    NoteRecord other = base;
    setPart(other, field, theirs);
    // The other parts: one changed here, one there, the rest by neither.
    const int here = (field + 1) % partCount;
    const int there = (field + 2) % partCount;
    setPart(mine, here, QStringLiteral("here"));
    setPart(other, there, QStringLiteral("there"));

    const NoteMerge::Merged merged = NoteMerge::merge(base, mine, other);
    QCOMPARE(part(merged.record, field), joined);
    QCOMPARE(part(merged.record, here), QStringLiteral("here"));
    QCOMPARE(part(merged.record, there), QStringLiteral("there"));
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
    after.setDeskText(QStringLiteral("locked=yes"));

    NoteRecord expected = file;
    expected.setField(NoteRecord::Memo, QStringLiteral("new memo"));
    expected.setDeskText(QStringLiteral("locked=yes"));
    QCOMPARE(NoteMerge::changesOver(file, before, after), expected);
}

QTEST_GUILESS_MAIN(TestNoteMerge)
#include "tst_notemerge.moc"
