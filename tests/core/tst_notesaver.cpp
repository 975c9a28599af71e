// SPDX-License-Identifier: MIT
#include "core/record/notestate.h"
#include "core/storage/notefile.h"
#include "core/storage/notesaver.h"
#include "support/fulldisk.h"
#include "support/notefiles.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {
// Another program changes one field of the note file, writing beside it
// and renaming over it, as sync tools do.
bool writeOutside(const QString &path, NoteRecord::Field field, const QString &text)
{
    NoteRecord record = NoteFile::load(path).record;
    record.setField(field, text);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(record.toBytes()) >= 0 && file.commit();
}

QStringList copiesIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.conflict-*.dat")}, QDir::Files);
}
} // namespace

class TestNoteSaver final : public QObject
{
    Q_OBJECT
private slots:
    void writesWhatTheUserChanged_data();
    void writesWhatTheUserChanged();
};

void TestNoteSaver::writesWhatTheUserChanged_data()
{
    // A note loaded from its file (a whole record, or "junk" that is none),
    // then steps: "e" the user completes an edit of the memo (adds "x"), "k"
    // a key typed into it (adds "k"), "f" what was put in is no typing, "w"
    // every delay passes, "x" the note closes, "d" it is discarded; "=M"
    // the file's memo is M now, "!" the file holds its first bytes.
    QTest::addColumn<bool>("junk");
    QTest::addColumn<QString>("steps");
    QTest::newRow("a change waits for its delay") << false << "e = w =x";
    QTest::newRow("changes made together are written together") << false << "e e = e w =xxx";
    QTest::newRow("typing is written when it pauses") << false << "k k = w =kk";
    QTest::newRow("text put in waits for a change") << false << "k f w = e w =kx";
    QTest::newRow("closing writes what waits") << false << "k x =k";
    QTest::newRow("an unchanged note closes with its file left alone") << false << "w x !";
    QTest::newRow("a closed note writes nothing more") << false << "x e k w =";
    QTest::newRow("a discarded note writes nothing") << false << "e d w x = !";
    QTest::newRow("a file that is no record is left alone") << true << "x !";
    QTest::newRow("until the user changes the note") << true << "w ! e w =x";
    // Another program's steps: "oM" it writes memo M into the file, "pF"
    // font name F; "c" the saver hears the folder changed; "g" the file is
    // deleted; "m" the folder is moved away and "b" back; "F" the disk
    // fills up and "R" has room again. Checks: "^M" the note shows memo M,
    // "@F" font name F, "%F" the file keeps font name F, "#N" N copies of
    // another side's record are kept, "&M" the copy's memo is M, "-" the
    // note heard its file is gone and it stays gone, "~M" the file's memo
    // becomes M, "s"/"S" the note is (not) stuck with a change it cannot
    // write.
    QTest::newRow("a change from outside is shown, nothing written") << false << "oy c ^y ! x !";
    QTest::newRow("changes to different fields are joined") << false << "e pOut w =x %Out @Out #0";
    QTest::newRow("a field changed on both sides keeps a copy") << false << "e oy w =x #1 &y";
    QTest::newRow("a change from outside joins a waiting one") << false << "e oy c =x #1 &y";
    QTest::newRow("outside changes during typing are kept") << false << "k pOut k w =kk %Out";
    QTest::newRow("a note whose file is gone writes nothing") << false << "e g c x -";
    QTest::newRow("a write is tried again once the folder is back") << false << "m e s b ~x S";
    QTest::newRow("a write is tried again once the disk has room") << false << "F e s R ~x S";
}

void TestNoteSaver::writesWhatTheUserChanged()
{
    QFETCH(bool, junk);
    QFETCH(QString, steps);
    QTemporaryDir parent;
    const QString folderPath = parent.filePath(QStringLiteral("notes"));
    QVERIFY(QDir().mkpath(folderPath));
    const QString path = folderPath + QStringLiteral("/1.dat");
    QByteArray first =
        junk ? QByteArray("junk") : NoteState::newNoteRecord("a.png", 0, 0).toBytes();
    QVERIFY(NoteFiles::write(path, first));
    NoteState shown;
    NoteSaver saver(nullptr, true, [&shown] { return shown; }, {10ms, 30ms, 10ms, 40ms, 100ms});
    saver.setPath(path);
    saver.loaded(NoteFile::load(path), shown);
    // The note shows what came from outside, as a window does.
    connect(&saver, &NoteSaver::fileChanged, this, [&](const NoteFile::Contents &contents) {
        shown.memo = contents.record.field(NoteRecord::Memo);
        shown.fontName = contents.record.field(NoteRecord::FontName);
        saver.loaded(contents, shown);
    });
    FullDisk disk;
    bool gone = false;
    connect(&saver, &NoteSaver::fileGone, this, [&gone] { gone = true; });
    const auto fileField = [&path](NoteRecord::Field field) {
        return NoteFile::load(path).record.field(field);
    };
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        const QString text = step.mid(1);
        switch (step[0].toLatin1()) {
        case 'e':
            shown.memo += u'x';
            saver.changed();
            break;
        case 'k':
            shown.memo += u'k';
            saver.typed();
            break;
        case 'f':
            saver.forgetTyping();
            break;
        case 'w':
            QTRY_VERIFY(!saver.isPending());
            break;
        case 'x':
            saver.close();
            break;
        case 'd':
            saver.discard();
            break;
        case 'o':
        case 'p':
            QVERIFY(writeOutside(path, step[0] == u'o' ? NoteRecord::Memo : NoteRecord::FontName,
                                 text));
            first = NoteFiles::read(path);
            break;
        case 'c':
            saver.folderChanged(FileStamp::of(path));
            break;
        case 'g':
            QVERIFY(QFile::remove(path));
            break;
        case 'm':
        case 'b':
            QVERIFY(step[0] == u'm' ? QDir().rename(folderPath, folderPath + "-away")
                                    : QDir().rename(folderPath + "-away", folderPath));
            break;
        case 'F':
        case 'R':
            QVERIFY(step[0] == u'F' ? disk.fill(16) : disk.free());
            break;
        case '^':
            QCOMPARE(shown.memo, text);
            break;
        case '@':
            QCOMPARE(shown.fontName, text);
            break;
        case '%':
            QCOMPARE(fileField(NoteRecord::FontName), text);
            break;
        case '#':
            QCOMPARE(copiesIn(folderPath).size(), text.toInt());
            break;
        case '&':
            QCOMPARE(NoteFile::load(folderPath + u'/' + copiesIn(folderPath).value(0))
                         .record.field(NoteRecord::Memo),
                     text);
            break;
        case '-':
            QVERIFY(gone);
            QVERIFY(!QFile::exists(path));
            break;
        case '~':
            QTRY_COMPARE(fileField(NoteRecord::Memo), text);
            break;
        case 's':
        case 'S':
            QTRY_COMPARE(saver.isStuck(), step[0] == u's');
            break;
        case '=':
            QCOMPARE(fileField(NoteRecord::Memo), text);
            break;
        default:
            QCOMPARE(NoteFiles::read(path), first);
        }
    }
}

QTEST_GUILESS_MAIN(TestNoteSaver)
#include "tst_notesaver.moc"
