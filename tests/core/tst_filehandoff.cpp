// SPDX-License-Identifier: MIT
#include "core/storage/filehandoff.h"

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// What a later start of the program hands over.
const QStringList later{QStringLiteral("/p/a.png"), QStringLiteral("/p/ü b.png")};

QStringList filesOf(const QSignalSpy &received)
{
    QStringList files;
    for (const QList<QVariant> &signal : received)
        files += signal.at(0).toStringList();
    return files;
}
} // namespace

class TestFileHandoff final : public QObject
{
    Q_OBJECT
private slots:
    void takesWhatLaterCopiesSend_data();
    void takesWhatLaterCopiesSend();
    void noCopyTakesNothing();
};

void TestFileHandoff::takesWhatLaterCopiesSend_data()
{
    // What a first client does before a later copy hands over its files as
    // the program does: the files it sent that became notes, in turn.
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<bool>("firstCloses");
    QTest::addColumn<QStringList>("taken");
    QTest::newRow("nothing") << QByteArray() << false << later;
    QTest::newRow("paths each ended by a zero byte")
        << QByteArray("/q/1.png\0/q/2.png\0", 18) << true
        << QStringList{QStringLiteral("/q/1.png"), QStringLiteral("/q/2.png")} + later;
    QTest::newRow("a message too long") << QByteArray(5 * 1024 * 1024, 'x') << true << later;
    QTest::newRow("a client that never sends") << QByteArray() << false << later;
    QTest::newRow("a client that sends and never ends")
        << QByteArray("/q/1.png", 8) << false << later;
}

void TestFileHandoff::takesWhatLaterCopiesSend()
{
    QFETCH(QByteArray, first);
    QFETCH(bool, firstCloses);
    QFETCH(QStringList, taken);
    QTemporaryDir folder;
    FileHandoff handoff(folder.path(), nullptr);
    QVERIFY(handoff.listen());
    QSignalSpy received(&handoff, &FileHandoff::filesReceived);
    QLocalSocket client;
    client.connectToServer(FileHandoff::socketPath(folder.path()));
    QVERIFY(client.waitForConnected());
    client.write(first);
    if (firstCloses)
        client.disconnectFromServer();
    // The first client is served while the program runs on, before the later copy.
    QTRY_VERIFY(client.bytesToWrite() == 0 || client.state() == QLocalSocket::UnconnectedState);
    QVERIFY(FileHandoff::handOver(folder.path(), later));
    QTRY_COMPARE(filesOf(received), taken);
}

void TestFileHandoff::noCopyTakesNothing()
{
    QTemporaryDir folder;
    QVERIFY(!FileHandoff::handOver(folder.path(), {QStringLiteral("/p/a.png")}));
    FileHandoff handoff(folder.path(), nullptr);
    QVERIFY(handoff.listen());
    handoff.close();
    QVERIFY(!QFile::exists(FileHandoff::socketPath(folder.path())));
    QVERIFY(!FileHandoff::handOver(folder.path(), {QStringLiteral("/p/a.png")}));
}

QTEST_GUILESS_MAIN(TestFileHandoff)
#include "tst_filehandoff.moc"
