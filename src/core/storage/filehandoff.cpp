// SPDX-License-Identifier: MIT
#include "core/storage/filehandoff.h"

#include "core/storage/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTimer>
#include <QtEndian>

namespace {
Q_LOGGING_CATEGORY(lcHandoff, "quillnote.filehandoff", QtWarningMsg)

// A message: the magic word, the version and the length of what follows
// (each four bytes, big-endian), then the paths one after another, each
// ended by a zero byte: no path holds one.
constexpr char magic[] = "QNHO";
constexpr quint32 version = 1;
constexpr qsizetype headerSize = 12;
constexpr char separator = '\0';
// What one message may hold: a thousand paths, and no more.
constexpr qint64 largestMessage = 4 * 1024 * 1024;
constexpr int mostPaths = 1000;
// How many clients are served at once, and how long each may take to send.
constexpr int mostClients = 16;
constexpr int sendTimeoutMs = 5000;
// A socket's path is kept in 108 bytes, its ending zero included.
constexpr qsizetype longestSocketPath = 107;
} // namespace

QByteArray FileHandoff::framed(const QStringList &files)
{
    QByteArray paths;
    for (const QString &file : files)
        paths += file.toUtf8() + separator;
    QByteArray message(magic, 4);
    const quint32 header[] = {qToBigEndian(version), qToBigEndian(quint32(paths.size()))};
    message.append(reinterpret_cast<const char *>(header), sizeof header);
    return message + paths;
}

namespace {
struct Unframed
{
    QStringList paths;
    QString refusal; ///< why the message is refused whole; empty when it is taken
};

// The paths of a whole message, or why it is refused.
Unframed unframed(const QByteArray &message)
{
    if (message.size() < headerSize || !message.startsWith(QByteArrayView(magic, 4)))
        return {{}, QStringLiteral("not a hand-over message")};
    if (qFromBigEndian<quint32>(message.constData() + 4) != version)
        return {{}, QStringLiteral("a hand-over message of another version")};
    const quint32 length = qFromBigEndian<quint32>(message.constData() + 8);
    if (length > largestMessage || message.size() - headerSize != qsizetype(length))
        return {{}, QStringLiteral("a message cut off or too long")};
    const QByteArray body = message.mid(headerSize);
    if (!body.isEmpty() && !body.endsWith(separator))
        return {{}, QStringLiteral("a path cut off")};
    QList<QByteArray> parts = body.split(separator);
    parts.removeLast();
    if (parts.size() > mostPaths)
        return {{}, QStringLiteral("more than %1 paths").arg(mostPaths)};
    Unframed taken;
    for (const QByteArray &part : std::as_const(parts)) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString path = utf8(part);
        if (part.isEmpty() || utf8.hasError())
            return {{}, QStringLiteral("a path that is no text")};
        taken.paths.append(path);
    }
    return taken;
}
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
    m_closed = true;
    m_server->close();
}

void FileHandoff::take()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection())
        serve(socket);
    keepListening();
}

void FileHandoff::serve(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (m_clients >= mostClients) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++m_clients;
    connect(socket, &QObject::destroyed, this, [this] {
        --m_clients;
        keepListening();
    });
    // A client that has not sent its whole message by now never will.
    QTimer::singleShot(sendTimeoutMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    connect(socket, &QLocalSocket::readChannelFinished, this, [this, socket] {
        if (!socket->isOpen())
            return; // dropped: too long, or too slow
        const QByteArray message = socket->readAll();
        socket->disconnectFromServer();
        receive(message);
    });
    connect(socket, &QLocalSocket::readyRead, this, [socket] {
        if (socket->bytesAvailable() > headerSize + largestMessage)
            socket->abort();
    });
}

void FileHandoff::receive(const QByteArray &message)
{
    const Unframed taken = unframed(message);
    if (!taken.refusal.isEmpty()) {
        qCWarning(lcHandoff, "refused what another program sent: %s",
                  qUtf8Printable(taken.refusal));
        return;
    }
    // Only pictures that are there become notes; a name of anything else is passed over.
    QStringList files;
    for (const QString &path : taken.paths)
        if (isCommand(path) || QFileInfo(path).isFile())
            files.append(path);
    if (!files.isEmpty())
        emit filesReceived(files);
}

// The socket is listened on for the whole run: a server that stopped (no
// descriptor left for a flood of clients, say) starts again.
void FileHandoff::keepListening()
{
    if (!m_closed && !m_server->isListening())
        listen();
}

bool FileHandoff::handOver(const QString &folder, const QStringList &files)
{
    // A message holds a thousand paths at most: more go in several.
    for (qsizetype first = 0; first < files.size(); first += mostPaths)
        if (!send(folder, files.mid(first, mostPaths)))
            return false;
    return true;
}

bool FileHandoff::send(const QString &folder, const QStringList &files)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath(folder));
    if (!socket.waitForConnected(sendTimeoutMs))
        return false;
    socket.write(framed(files));
    socket.disconnectFromServer();
    const bool sent = socket.state() == QLocalSocket::UnconnectedState ||
                      socket.waitForDisconnected(sendTimeoutMs);
    if (!sent)
        qCWarning(lcHandoff, "the running copy did not take the files: %s",
                  qUtf8Printable(socket.errorString()));
    return sent;
}
