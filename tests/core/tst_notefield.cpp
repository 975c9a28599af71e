// SPDX-License-Identifier: MIT
#include "core/record/notefield.h"

#include <QLocale>
#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<float>)
Q_DECLARE_METATYPE(std::optional<qint32>)
Q_DECLARE_METATYPE(std::optional<bool>)

class TestNoteField final : public QObject
{
    Q_OBJECT
private slots:
    void convertsNumbers_data();
    void convertsNumbers();
    void convertsColours_data();
    void convertsColours();
    void convertsFlags_data();
    void convertsFlags();
    void writesNumberForm_data();
    void writesNumberForm();
    void writesColoursAndFlags();
};

void TestNoteField::convertsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<float>>("value");
    QTest::newRow("whole") << "1200" << std::optional<float>(1200);
    QTest::newRow("negative") << "-135" << std::optional<float>(-135);
    QTest::newRow("fraction") << "10.5" << std::optional<float>(10.5f);
    QTest::newRow("empty is zero") << "" << std::optional<float>(0);
    QTest::newRow("minus zero") << "-0" << std::optional<float>(0);
    QTest::newRow("word") << "abc" << std::optional<float>();
    QTest::newRow("beyond single") << "1e39" << std::optional<float>();
    QTest::newRow("below single") << "-1e39" << std::optional<float>();
    QTest::newRow("nan") << "NaN" << std::optional<float>();
    QTest::newRow("infinity") << "inf" << std::optional<float>();
    QTest::newRow("comma decimal") << "10,5" << std::optional<float>();
}

void TestNoteField::convertsNumbers()
{
    QFETCH(QString, text);
    QFETCH(std::optional<float>, value);
    QCOMPARE(NoteField::toNumber(text), value);
}

void TestNoteField::convertsColours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<qint32>>("value");
    QTest::newRow("hex white") << "&H00FFFFFF&" << std::optional<qint32>(16777215);
    QTest::newRow("decimal white") << "16777215" << std::optional<qint32>(16777215);
    QTest::newRow("hex black") << "&H00000000&" << std::optional<qint32>(0);
    QTest::newRow("empty is black") << "" << std::optional<qint32>(0);
    QTest::newRow("hex lower case") << "&hc0ffff&" << std::optional<qint32>(0xC0FFFF);
    QTest::newRow("all bits") << "&HFFFFFFFF&" << std::optional<qint32>(-1);
    QTest::newRow("minus one") << "-1" << std::optional<qint32>(-1);
    QTest::newRow("no digits") << "&H&" << std::optional<qint32>();
    QTest::newRow("too many digits") << "&H123456789&" << std::optional<qint32>();
    QTest::newRow("beyond 32 bits") << "2147483648" << std::optional<qint32>();
    QTest::newRow("word") << "red" << std::optional<qint32>();
}

void TestNoteField::convertsColours()
{
    QFETCH(QString, text);
    QFETCH(std::optional<qint32>, value);
    QCOMPARE(NoteField::toColour(text), value);
}

void TestNoteField::convertsFlags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<bool>>("value");
    QTest::newRow("True") << "True" << std::optional<bool>(true);
    QTest::newRow("tRUE") << "tRUE" << std::optional<bool>(true);
    QTest::newRow("false") << "false" << std::optional<bool>(false);
    QTest::newRow("zero") << "0" << std::optional<bool>(false);
    QTest::newRow("minus one") << "-1" << std::optional<bool>(true);
    QTest::newRow("empty") << "" << std::optional<bool>(false);
    QTest::newRow("yes") << "yes" << std::optional<bool>();
}

void TestNoteField::convertsFlags()
{
    QFETCH(QString, text);
    QFETCH(std::optional<bool>, value);
    QCOMPARE(NoteField::toFlag(text), value);
}

void TestNoteField::writesNumberForm_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1200.0f << "1200";
    QTest::newRow("negative") << -135.0f << "-135";
    QTest::newRow("fraction") << 10.5f << "10.5";
    QTest::newRow("seven digits") << 12345678.0f << "12345680";
    QTest::newRow("small") << 0.000125f << "0.000125";
    QTest::newRow("minus zero") << -0.0f << "0";
    QTest::newRow("single precision") << 0.1f << "0.1";
}

void TestNoteField::writesNumberForm()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    // The decimal point is "." whatever the user's locale.
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(NoteField::numberText(value), text);
    QLocale::setDefault(QLocale::c());
}

void TestNoteField::writesColoursAndFlags()
{
    QCOMPARE(NoteField::colourText(16777215), QStringLiteral("16777215"));
    QCOMPARE(NoteField::colourText(-1), QStringLiteral("-1"));
    QCOMPARE(NoteField::colourHexText(16777215), QStringLiteral("&H00FFFFFF&"));
    QCOMPARE(NoteField::colourHexText(0), QStringLiteral("&H00000000&"));
    QCOMPARE(NoteField::toColour(NoteField::colourHexText(0x123456)),
             std::optional<qint32>(0x123456));
    QCOMPARE(NoteField::flagText(true), QStringLiteral("True"));
    QCOMPARE(NoteField::flagText(false), QStringLiteral("False"));
}

QTEST_GUILESS_MAIN(TestNoteField)
#include "tst_notefield.moc"
