// SPDX-License-Identifier: MIT
#include "core/record/notereading.h"
#include "core/record/noterecord.h"
#include "core/record/twips.h"

#include <QTest>

Q_DECLARE_METATYPE(NoteRecord)

namespace {
// A record with the fields given, the others empty.
NoteRecord record(std::initializer_list<std::pair<NoteRecord::Field, QString>> fields)
{
    NoteRecord result;
    for (const auto &[field, text] : fields)
        result.setField(field, text);
    return result;
}

const QRect current(30, 40, 320, 240);
} // namespace

class TestNoteReading final : public QObject
{
    Q_OBJECT
private slots:
    void placesTheWindow_data();
    void placesTheWindow();
    void readsTheFont_data();
    void readsTheFont();
    void readsColoursAndFlags();
};

void TestNoteReading::placesTheWindow_data()
{
    QTest::addColumn<NoteRecord>("record");
    QTest::addColumn<QRect>("geometry");
    using R = NoteRecord;
    QTest::newRow("twips to pixels")
        << record({{R::Left, "1500"}, {R::Top, "1200"}, {R::Width, "3300"}, {R::Height, "3600"}})
        << QRect(100, 80, 220, 240);
    QTest::newRow("empty fields are 0, then the smallest size")
        << NoteRecord() << QRect(QPoint(0, 0), QSize(24, 24));
    QTest::newRow("words keep the current value")
        << record({{R::Left, "x"}, {R::Top, "y"}, {R::Width, "w"}, {R::Height, "h"}}) << current;
    QTest::newRow("beyond a window system's range")
        << record({{R::Left, "1e30"}, {R::Top, "-1e30"}, {R::Width, "1e9"}, {R::Height, "NaN"}})
        << current;
    QTest::newRow("negative size keeps the current size")
        << record({{R::Left, "-1500"}, {R::Top, "-15"}, {R::Width, "-3000"}, {R::Height, "-15"}})
        << QRect(-100, -1, 320, 240);
    QTest::newRow("tiny is made visible")
        << record({{R::Left, "15"}, {R::Top, "-15"}, {R::Width, "30"}, {R::Height, "3000"}})
        << QRect(1, -1, 24, 200);
}

void TestNoteReading::placesTheWindow()
{
    QFETCH(NoteRecord, record);
    QFETCH(QRect, geometry);
    QCOMPARE(NoteReading::fromRecord(record, Twips(96)).geometry(current), geometry);
}

void TestNoteReading::readsTheFont_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<double>("points");
    QTest::newRow("plain") << "12" << 12.0;
    QTest::newRow("fraction") << "10.5" << 10.5;
    QTest::newRow("largest") << "2048" << 2048.0;
    QTest::newRow("too large") << "2049" << 7.0;
    QTest::newRow("zero") << "0" << 7.0;
    QTest::newRow("negative") << "-9" << 7.0;
    QTest::newRow("word") << "big" << 7.0;
}

void TestNoteReading::readsTheFont()
{
    QFETCH(QString, size);
    QFETCH(double, points);
    QFont base(QStringLiteral("Base"));
    base.setPointSizeF(7);
    const NoteReading reading = NoteReading::fromRecord(record({{NoteRecord::FontName, "Named"},
                                                                {NoteRecord::FontSize, size},
                                                                {NoteRecord::Bold, "True"},
                                                                {NoteRecord::Italic, "maybe"}}),
                                                        Twips(96));
    const QFont font = reading.font(base);
    QCOMPARE(font.family(), QStringLiteral("Named"));
    QCOMPARE(font.pointSizeF(), points);
    QVERIFY(font.bold());
    QVERIFY(!font.italic());
    // No name keeps the font's family.
    QCOMPARE(NoteReading::fromRecord(NoteRecord(), Twips(96)).font(base).family(), "Base");
}

void TestNoteReading::readsColoursAndFlags()
{
    using R = NoteRecord;
    const NoteReading reading =
        NoteReading::fromRecord(record({{R::BackgroundColour, "&H00C0E0FF&"},
                                        {R::TextColour, "&HFFFFFFFF&"},
                                        {R::WebPaneShown, "-1"},
                                        {R::Memo, "a\nb"},
                                        {R::BackgroundPath, "p.png"}}),
                                Twips(96));
    QCOMPARE(reading.backgroundColour, std::optional<QColor>(QColor(0xFF, 0xE0, 0xC0)));
    QCOMPARE(reading.textColour, std::nullopt); // no plain colour
    QCOMPARE(reading.webPaneShown, std::optional<bool>(true));
    QCOMPARE(reading.memo, QStringLiteral("a\nb"));
    QCOMPARE(reading.backgroundPath, QStringLiteral("p.png"));
    QCOMPARE(
        NoteReading::fromRecord(record({{R::WebPaneShown, "perhaps"}}), Twips(96)).webPaneShown,
        std::nullopt);
}

QTEST_GUILESS_MAIN(TestNoteReading)
#include "tst_notereading.moc"
