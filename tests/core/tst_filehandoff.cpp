// SPDX-License-Identifier: MIT
#include "core/storage/filehandoff.h"
#include "support/notefiles.h"

#include <QDir>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
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
    void initTestCase();
    void takesWhatLaterCopiesSend_data();
    void takesWhatLaterCopiesSend();
    void noCopyTakesNothing();

private:
    QString picture(const char *name) const { return m_pictures.filePath(QLatin1String(name)); }
    /** What a later start of the program hands over. */
    QStringList later() const { return {picture("a.png"), picture("ü b.png")}; }

    QTemporaryDir m_pictures;
};

void TestFileHandoff::initTestCase()
{
    for (const char *name : {"a.png", "ü b.png", "1.png", "2.png"})
        QVERIFY(NoteFiles::write(picture(name), "a picture"));
}

void TestFileHandoff::takesWhatLaterCopiesSend_data()
{
    // What a first client (another program of the user, or a copy) does
    // before a later copy hands over its files as the program does: the
    // files that became notes, in turn.
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<bool>("firstCloses");
    QTest::addColumn<QStringList>("taken");
    const QStringList two{picture("1.png"), picture("2.png")};
    const QByteArray whole = FileHandoff::framed(two);
    QTest::newRow("nothing") << QByteArray() << false << later();
    QTest::newRow("a whole message") << whole << true << two + later();
    QTest::newRow("only files that are there")
        << FileHandoff::framed({picture("1.png"), picture("gone.png"), m_pictures.path()}) << true
        << QStringList{picture("1.png")} + later();
    QTest::newRow("a message cut off") << whole.chopped(3) << true << later();
    QTest::newRow("paths without the header")
        << QByteArray("/q/1.png\0/q/2.png\0", 18) << true << later();
    QTest::newRow("a message too long") << QByteArray(5 * 1024 * 1024, 'x') << true << later();
    QTest::newRow("more than 1000 paths")
        << FileHandoff::framed(QStringList(1001, picture("1.png"))) << true << later();
    QTest::newRow("a client that never sends") << QByteArray() << false << later();
    QTest::newRow("a client that sends and never ends") << whole.left(14) << false << later();
    QTest::newRow("commands among the files")
        << FileHandoff::framed(
               {"--gather", picture("1.png"), "--format-disk", "--paste", "--toggle"})
        << true << QStringList{"--gather", picture("1.png"), "--paste", "--toggle"} + later();
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
    QVERIFY(FileHandoff::handOver(folder.path(), later()));
    QTRY_COMPARE(filesOf(received), taken);
}

// No copy runs: nothing takes the files.
void TestFileHandoff::noCopyTakesNothing()
{
    QTemporaryDir folder;
    QVERIFY(!FileHandoff::handOver(folder.path(), {picture("a.png")}));
    FileHandoff handoff(folder.path(), nullptr);
    QVERIFY(handoff.listen());
    handoff.close();
    QVERIFY(!QFile::exists(FileHandoff::socketPath(folder.path())));
    QVERIFY(!FileHandoff::handOver(folder.path(), {picture("a.png")}));
}

QTEST_GUILESS_MAIN(TestFileHandoff)
#include "tst_filehandoff.moc"
