// SPDX-License-Identifier: MIT
#include "core/record/codepage932.h"
#include "core/record/desksettings.h"
#include "core/record/noterecord.h"
#include "core/record/notestate.h"

#include <QTest>

namespace {
QByteArray cp932(const char *utf8)
{
    return CodePage932::encode(QString::fromUtf8(utf8));
}

NoteRecord savedExample()
{
    NoteState state;
    state.picturePath = QStringLiteral("C:\\photo\\cat.jpg");
    state.left = 1200;
    state.top = 900;
    state.width = 3000;
    state.height = 3540;
    state.backgroundColour = 16777215;
    state.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    state.fontSize = 9;
    state.textColour = 0;
    state.webPaneShown = true;
    state.memo = QStringLiteral("first line\nsecond line");
    state.backgroundPath = QStringLiteral("C:\\photo\\paper.bmp");
    return state.toRecord();
}
} // namespace

class TestNoteRecord final : public QObject
{
    Q_OBJECT
private slots:
    void writesTheNewNoteRecord();
    void writesTheSavedRecord();
    void readsFieldsByTheLineRules_data();
    void readsFieldsByTheLineRules();
    void keepsTextsTheLineCannotCarry_data();
    void keepsTextsTheLineCannotCarry();
    void ignoresASecondLineThatDoesNotMatch();
    void keepsTheDeskLine_data();
    void keepsTheDeskLine();
};

void TestNoteRecord::writesTheNewNoteRecord()
{
    const NoteRecord record =
        NoteState::newNoteRecord(QStringLiteral("C:\\photo\\cat.jpg"), 1200, 900);
    const QByteArray bytes = record.toBytes();
    QCOMPARE(bytes, cp932("C:\\photo\\cat.jpg,1200,900,3000,3000,&H00FFFFFF&,ＭＳ Ｐゴシック,9,"
                          "&H00000000&,False,False,False,,\r\n"));
    QCOMPARE(bytes.count(','), 13);
    QCOMPARE(NoteRecord::fromBytes(bytes), record);
}

void TestNoteRecord::writesTheSavedRecord()
{
    QCOMPARE(savedExample().toBytes(),
             cp932("C:\\photo\\cat.jpg,1200,900,3000,3540,16777215,ＭＳ Ｐゴシック,9,0,False,False,"
                   "True,first line<br>second line,C:\\photo\\paper.bmp\r\n"));
    QCOMPARE(NoteRecord::fromBytes(savedExample().toBytes()), savedExample());
}

void TestNoteRecord::readsFieldsByTheLineRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("expected");
    const QByteArray full = savedExample().toBytes();
    QTest::newRow("memo line break")
        << full << int(NoteRecord::Memo) << QStringLiteral("first line\nsecond line");
    QTest::newRow("font name with space")
        << full << int(NoteRecord::FontName) << QStringLiteral("ＭＳ Ｐゴシック");
    QTest::newRow("cut after field 12, memo")
        << QByteArray("a,1,2,3,4,5,f,9,0,True,False,False") << int(NoteRecord::Memo) << QString();
    QTest::newRow("cut after field 12, background")
        << QByteArray("a,1,2,3,4,5,f,9,0,True,False,False") << int(NoteRecord::BackgroundPath)
        << QString();
    QTest::newRow("leading spaces skipped")
        << QByteArray("a,   12,3") << int(NoteRecord::Left) << QStringLiteral("12");
    QTest::newRow("trailing spaces kept")
        << QByteArray("a ,1") << int(NoteRecord::PicturePath) << QStringLiteral("a ");
    QTest::newRow("second line ignored")
        << full + "x,y,z\r\n"
        << int(NoteRecord::BackgroundPath) << QStringLiteral("C:\\photo\\paper.bmp");
    QTest::newRow("longer line ignored") << QByteArray("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15")
                                         << int(NoteRecord::BackgroundPath) << QStringLiteral("14");
    QTest::newRow("line end ends a field")
        << QByteArray("a\r\nb,c") << int(NoteRecord::Left) << QStringLiteral("b");
    QTest::newRow("empty file") << QByteArray() << int(NoteRecord::PicturePath) << QString();
}

void TestNoteRecord::readsFieldsByTheLineRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, field);
    QFETCH(QString, expected);
    QCOMPARE(NoteRecord::fromBytes(bytes).field(NoteRecord::Field(field)), expected);
}

void TestNoteRecord::keepsTextsTheLineCannotCarry_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("firstLineHolds");
    QTest::newRow("memo comma") << int(NoteRecord::Memo) << QStringLiteral("Hello, world")
                                << cp932("Hello， world");
    QTest::newRow("memo a, b") << int(NoteRecord::Memo) << QStringLiteral("a, b") << cp932("a， b");
    QTest::newRow("memo leading space")
        << int(NoteRecord::Memo) << QStringLiteral(" lead") << QByteArray(" lead");
    QTest::newRow("memo typed <br>")
        << int(NoteRecord::Memo) << QStringLiteral("x<br>y") << QByteArray("x<br>y");
    QTest::newRow("memo outside code page")
        << int(NoteRecord::Memo) << QStringLiteral("café 😀") << QByteArray("caf? ?");
    QTest::newRow("memo lone CR") << int(NoteRecord::Memo) << QStringLiteral("a\rb")
                                  << QByteArray("a b");
    QTest::newRow("path with comma")
        << int(NoteRecord::PicturePath) << QStringLiteral("/home/u/a,b.jpg")
        << cp932("/home/u/a，b.jpg");
    QTest::newRow("background path chinese")
        << int(NoteRecord::BackgroundPath) << QStringLiteral("/tmp/这.png")
        << QByteArray("/tmp/?.png");
}

void TestNoteRecord::keepsTextsTheLineCannotCarry()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QByteArray, firstLineHolds);
    NoteRecord record = savedExample();
    record.setField(NoteRecord::Field(field), text);
    const QByteArray bytes = record.toBytes();
    const QByteArray firstLine = bytes.left(bytes.indexOf("\r\n") + 2);
    QCOMPARE(firstLine.count(','), 13);
    QVERIFY2(firstLine.contains(firstLineHolds), firstLine.constData());
    QVERIFY(bytes.size() > firstLine.size());
    QCOMPARE(NoteRecord::fromBytes(bytes), record);
    // The first line alone reads as any reader of the plain line would read it.
    QVERIFY(NoteRecord::fromBytes(firstLine).field(NoteRecord::Field(field)) != text);
}

void TestNoteRecord::ignoresASecondLineThatDoesNotMatch()
{
    NoteRecord withComma = savedExample();
    withComma.setField(NoteRecord::Memo, QStringLiteral("a, b"));
    const QByteArray exactLine = withComma.toBytes().mid(withComma.toBytes().indexOf("\r\n") + 2);
    // The same second line after another first line is a stray line: it is ignored.
    const QByteArray stray = savedExample().toBytes() + exactLine;
    QCOMPARE(NoteRecord::fromBytes(stray), savedExample());
    QByteArray tampered = withComma.toBytes();
    tampered.replace("paper", "PAPER");
    QCOMPARE(NoteRecord::fromBytes(tampered).field(NoteRecord::Memo), QStringLiteral("a， b"));
}

void TestNoteRecord::keepsTheDeskLine_data()
{
    QTest::addColumn<QByteArray>("after"); // what follows the record's line in the file
    QTest::addColumn<QString>("written");  // the desk line's words a save writes back
    QTest::addColumn<int>("opacity");
    QTest::addColumn<bool>("locked");
    QTest::newRow("absent") << QByteArray() << QString() << 100 << false;
    QTest::newRow("every word") << QByteArray(
                                       "~quillnote-desk layer=above opacity=75 locked=yes\r\n")
                                << "layer=above opacity=75 locked=yes" << 75 << true;
    QTest::newRow("on the desktop, clicks passed through")
        << QByteArray("~quillnote-desk clickthrough=yes layer=desktop\r\n")
        << "layer=desktop clickthrough=yes" << 100 << false;
    QTest::newRow("words of another version kept after ours")
        << QByteArray("~quillnote-desk glow=soft opacity=90 pin=3\r\n")
        << "opacity=90 glow=soft pin=3" << 90 << false;
    QTest::newRow("values this version cannot take")
        << QByteArray("~quillnote-desk opacity=5 locked=maybe layer=sideways clickthrough=1\r\n")
        << QString() << 100 << false;
    QTest::newRow("after a stray line: not the note's")
        << QByteArray("stray\r\n~quillnote-desk locked=yes\r\n") << QString() << 100 << false;
    QTest::newRow("without a line end")
        << QByteArray("~quillnote-desk opacity=50") << "opacity=50" << 50 << false;
}

void TestNoteRecord::keepsTheDeskLine()
{
    QFETCH(QByteArray, after);
    QFETCH(QString, written);
    QFETCH(int, opacity);
    QFETCH(bool, locked);
    NoteRecord withComma = savedExample();
    withComma.setField(NoteRecord::Memo, QStringLiteral("a, b"));
    for (const NoteRecord &record : {savedExample(), withComma}) {
        const NoteRecord read = NoteRecord::fromBytes(record.toBytes() + after);
        // The record's own fields read as without the line.
        NoteRecord fields = read;
        fields.setDeskText(QString());
        QCOMPARE(fields, record);
        const DeskSettings desk = DeskSettings::fromText(read.deskText());
        QCOMPARE(desk.opacity, opacity);
        QCOMPARE(desk.locked, locked);
        NoteRecord saved = read;
        saved.setDeskText(desk.toText());
        QCOMPARE(saved.deskText(), written);
        const QByteArray bytes = saved.toBytes();
        QCOMPARE(bytes.contains("~quillnote-desk"), !written.isEmpty());
        QCOMPARE(NoteRecord::fromBytes(bytes), saved);
    }
}

QTEST_GUILESS_MAIN(TestNoteRecord)
#include "tst_noterecord.moc"
