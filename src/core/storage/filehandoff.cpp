// SPDX-License-Identifier: MIT
#include "core/storage/filehandoff.h"

#include "core/storage/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>

namespace {
Q_LOGGING_CATEGORY(lcHandoff, "quillnote.filehandoff", QtWarningMsg)

// Paths are sent one after another, each ended by a zero byte: no path holds one.
constexpr char separator = '\0';
// What one later copy may send: thousands of paths, and no more.
constexpr qint64 largestMessage = 4 * 1024 * 1024;
constexpr int sendTimeoutMs = 5000;
// A socket's path is kept in 108 bytes, its ending zero included.
constexpr qsizetype longestSocketPath = 107;
} // namespace

FileHandoff::FileHandoff(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &FileHandoff::take);
}

QString FileHandoff::socketPath(const QString &folder)
{
    QString beside = SingleInstance::lockPath(folder);
    beside.replace(beside.lastIndexOf(QLatin1String(".lock")), 5, QStringLiteral(".socket"));
    if (beside.toLocal8Bit().size() <= longestSocketPath)
        return beside;
    // A folder too deep for a socket's path: the user's runtime folder, under a name of its own.
    const QByteArray hash =
        QCryptographicHash::hash(beside.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("quillnote-%1.socket").arg(QString::fromLatin1(hash)));
}

bool FileHandoff::listen()
{
    const QString path = socketPath(m_folder);
    // This copy holds the folder's lock: a socket left there is a crashed copy's.
    QLocalServer::removeServer(path);
    if (m_server->listen(path))
        return true;
    qCWarning(lcHandoff, "later copies cannot hand over files: %s",
              qUtf8Printable(m_server->errorString()));
    return false;
}

void FileHandoff::close()
{
    m_server->close();
}

void FileHandoff::take()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readChannelFinished, this, [this, socket] {
            const QByteArray message = socket->readAll();
            socket->disconnectFromServer();
            QStringList files;
            for (const QByteArray &path : message.split(separator))
                if (!path.isEmpty())
                    files.append(QString::fromUtf8(path));
            if (!files.isEmpty())
                emit filesReceived(files);
        });
        connect(socket, &QLocalSocket::readyRead, this, [socket] {
            if (socket->bytesAvailable() > largestMessage)
                socket->abort();
        });
    }
}

bool FileHandoff::handOver(const QString &folder, const QStringList &files)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath(folder));
    if (!socket.waitForConnected(sendTimeoutMs))
        return false;
    QByteArray message;
    for (const QString &file : files)
        message += file.toUtf8() + separator;
    socket.write(message);
    socket.disconnectFromServer();
    const bool sent = socket.state() == QLocalSocket::UnconnectedState ||
                      socket.waitForDisconnected(sendTimeoutMs);
    if (!sent)
        qCWarning(lcHandoff, "the running copy did not take the files: %s",
                  qUtf8Printable(socket.errorString()));
    return sent;
}
