// SPDX-License-Identifier: MIT
#include "core/record/codepage932.h"

#include <QTest>

class TestCodePage932 final : public QObject
{
    Q_OBJECT
private slots:
    void encodesWindows31J_data();
    void encodesWindows31J();
    void marksUnmappableCharacters();
    void decodesInvalidBytesWithoutFailing();
};

void TestCodePage932::encodesWindows31J_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("default font") << QStringLiteral("ＭＳ Ｐゴシック")
                                  << QByteArray::fromHex("826C827220826F835383568362834E");
    QTest::newRow("wave dash") << QStringLiteral("～") << QByteArray::fromHex("8160");
    QTest::newRow("circled one") << QStringLiteral("①") << QByteArray::fromHex("8740");
    QTest::newRow("half-width katakana")
        << QStringLiteral("ｲﾒｰｼﾞ") << QByteArray::fromHex("B2D2B0BCDE");
    QTest::newRow("ascii") << QStringLiteral("C:\\photo\\cat.jpg")
                           << QByteArray("C:\\photo\\cat.jpg");
}

void TestCodePage932::encodesWindows31J()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    bool lossless = false;
    QCOMPARE(CodePage932::encode(text, &lossless), bytes);
    QVERIFY(lossless);
    QCOMPARE(CodePage932::decode(bytes), text);
}

void TestCodePage932::marksUnmappableCharacters()
{
    bool lossless = true;
    QCOMPARE(CodePage932::encode(QStringLiteral("café 😀 这"), &lossless), QByteArray("caf? ? ?"));
    QVERIFY(!lossless);
}

void TestCodePage932::decodesInvalidBytesWithoutFailing()
{
    const QString text = CodePage932::decode(QByteArray::fromHex("41ff8240"));
    QVERIFY(text.startsWith(u'A'));
    QVERIFY(text.size() >= 2);
}

QTEST_GUILESS_MAIN(TestCodePage932)
#include "tst_codepage932.moc"
