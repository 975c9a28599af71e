// SPDX-License-Identifier: MIT
#include "core/storage/panepage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPanePage final : public QObject
{
    Q_OBJECT
private slots:
    void takesOnlyWebAddresses_data();
    void takesOnlyWebAddresses();
    void keepsThePageForTheNextStart();
};

void TestPanePage::takesOnlyWebAddresses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("page"); // empty: refused
    QTest::newRow("http") << "http://example.org/a?b=1"
                          << "http://example.org/a?b=1";
    QTest::newRow("https, spaces around") << "  https://example.org/ "
                                          << "https://example.org/";
    QTest::newRow("upper-case scheme") << "HTTPS://example.org"
                                       << "https://example.org";
    QTest::newRow("a local file") << "file:///etc/passwd" << QString();
    QTest::newRow("a script") << "javascript:alert(1)" << QString();
    QTest::newRow("no host") << "http://" << QString();
    QTest::newRow("no scheme") << "example.org" << QString();
    QTest::newRow("nothing") << "" << QString();
}

void TestPanePage::takesOnlyWebAddresses()
{
    QFETCH(QString, typed);
    QFETCH(QString, page);
    const std::optional<QUrl> parsed = PanePage::parse(typed);
    QCOMPARE(parsed.has_value(), !page.isEmpty());
    if (parsed)
        QCOMPARE(parsed->toString(), page);
}

void TestPanePage::keepsThePageForTheNextStart()
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("config/quillnote/quillnote.conf"));
    QCOMPARE(PanePage::read(settings), PanePage::defaultPage());
    const QUrl page(QStringLiteral("https://example.org/notes"));
    QVERIFY(PanePage::write(settings, page));
    QCOMPARE(PanePage::read(settings), page);
    // A page written by hand that panes may not show counts as none.
    QFile file(settings);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[webPane]\npage=file:///etc/passwd\n");
    file.close();
    QCOMPARE(PanePage::read(settings), PanePage::defaultPage());
}

QTEST_GUILESS_MAIN(TestPanePage)
#include "tst_panepage.moc"
