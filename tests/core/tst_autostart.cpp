// SPDX-License-Identifier: MIT
#include "core/storage/autostart.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestAutostart final : public QObject
{
    Q_OBJECT
private slots:
    void quotesTheProgramPathForTheExecLine_data();
    void quotesTheProgramPathForTheExecLine();
    void entryIsWrittenAndRemoved();
    void failuresAreReported();
};

void TestAutostart::quotesTheProgramPathForTheExecLine_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QByteArray>("exec");
    // TryExec names the program as a plain string: a removed program is not started.
    QTest::addColumn<QByteArray>("tryExec");
    QTest::newRow("plain") << "/usr/bin/quillnote" << QByteArray("Exec=/usr/bin/quillnote\n")
                           << QByteArray("TryExec=/usr/bin/quillnote\n");
    QTest::newRow("space") << "/home/u/my notes/quillnote"
                           << QByteArray("Exec=\"/home/u/my notes/quillnote\"\n")
                           << QByteArray("TryExec=/home/u/my notes/quillnote\n");
    QTest::newRow("field code") << "/opt/100%/quillnote"
                                << QByteArray("Exec=/opt/100%%/quillnote\n")
                                << QByteArray("TryExec=/opt/100%/quillnote\n");
    // Inside quotes \ " ` $ take a backslash, and the entry's strings double every backslash.
    QTest::newRow("specials") << "/a\"b/$x`y\\z"
                              << QByteArray("Exec=\"/a\\\\\"b/\\\\$x\\\\`y\\\\\\\\z\"\n")
                              << QByteArray("TryExec=/a\"b/$x`y\\\\z\n");
    QTest::newRow("japanese") << "/home/u/付箋/quillnote"
                              << QStringLiteral("Exec=/home/u/付箋/quillnote\n").toUtf8()
                              << QStringLiteral("TryExec=/home/u/付箋/quillnote\n").toUtf8();
}

void TestAutostart::quotesTheProgramPathForTheExecLine()
{
    QFETCH(QString, executable);
    QFETCH(QByteArray, exec);
    QFETCH(QByteArray, tryExec);
    const QByteArray entry = Autostart::entry(executable);
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    QVERIFY2(entry.contains("\n" + exec), entry.constData());
    QVERIFY2(entry.contains("\n" + tryExec), entry.constData());
}

void TestAutostart::entryIsWrittenAndRemoved()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("config/autostart"));
    QVERIFY(!Autostart::isOn(folder));
    QCOMPARE(Autostart::turnOn(folder, QStringLiteral("/usr/bin/quillnote")), QString());
    QVERIFY(Autostart::isOn(folder));
    QCOMPARE(Autostart::entryPath(folder), folder + "/io.github.quillnote.quillnote.desktop");
    QFile file(Autostart::entryPath(folder));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), Autostart::entry(QStringLiteral("/usr/bin/quillnote")));
    QCOMPARE(Autostart::turnOff(folder), QString());
    QVERIFY(!Autostart::isOn(folder));
    QCOMPARE(Autostart::turnOff(folder), QString());
}

void TestAutostart::failuresAreReported()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("autostart")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!Autostart::turnOn(blocker.fileName(), QStringLiteral("/usr/bin/quillnote")).isEmpty());
    QVERIFY(!Autostart::turnOn(dir.path(), QStringLiteral("/tmp/a\nb")).isEmpty());
    QVERIFY(!Autostart::isOn(dir.path()));
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
