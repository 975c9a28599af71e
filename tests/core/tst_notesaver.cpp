// SPDX-License-Identifier: MIT
#include "core/record/notestate.h"
#include "core/storage/notefile.h"
#include "core/storage/notesaver.h"
#include "support/notefiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

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
}

void TestNoteSaver::writesWhatTheUserChanged()
{
    QFETCH(bool, junk);
    QFETCH(QString, steps);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("1.dat"));
    const QByteArray first =
        junk ? QByteArray("junk") : NoteState::newNoteRecord("a.png", 0, 0).toBytes();
    QVERIFY(NoteFiles::write(path, first));
    NoteState shown;
    NoteSaver saver(nullptr, true, [&shown] { return shown; }, {10ms, 30ms});
    saver.setPath(path);
    saver.loaded(NoteFile::load(path), shown);
    for (const QString &step : steps.split(QLatin1Char(' '))) {
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
        case '=':
            QCOMPARE(NoteFile::load(path).record.field(NoteRecord::Memo), step.mid(1));
            break;
        default:
            QCOMPARE(NoteFiles::read(path), first);
        }
    }
}

QTEST_GUILESS_MAIN(TestNoteSaver)
#include "tst_notesaver.moc"
