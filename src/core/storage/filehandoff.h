// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

/**
 * Passes picture files and commands given to a later start of the program to the copy
 * that already runs on the same notes folder, through a local socket that
 * only this user can reach, beside the folder's lock. Another program of
 * the user may reach it too: a message is taken only whole and as the
 * program frames it (a header with a magic word, a version and the length,
 * then at most 1,000 paths), only its paths of existing regular files are
 * handed on, a client gets 5 s to send it, and 16 clients are served at once.
 */
class FileHandoff final : public QObject
{
    Q_OBJECT
public:
    FileHandoff(const QString &folder, QObject *parent);

    /** Starts taking files from later copies; false when the socket cannot be made. */
    bool listen();
    /** Stops taking files and removes the socket. */
    void close();
    /** The commands a later start hands over with its files: a note from the clipboard, notes
     * gathered, every note hidden or shown. */
    static constexpr QLatin1StringView pasteCommand{"--paste"};
    static constexpr QLatin1StringView gatherCommand{"--gather"};
    static constexpr QLatin1StringView toggleCommand{"--toggle"};
    static bool isCommand(const QString &entry)
    {
        return entry == pasteCommand || entry == gatherCommand || entry == toggleCommand;
    }

    /** Hands @p files (and commands) to the copy running on @p folder; false when none took them.
     */
    static bool handOver(const QString &folder, const QStringList &files);
    /** The message that hands over @p files (at most a thousand). */
    static QByteArray framed(const QStringList &files);
    /** The socket's path for @p folder. */
    static QString socketPath(const QString &folder);

signals:
    /** Existing files and known commands of a message, in the order they were sent. */
    void filesReceived(const QStringList &files);

private:
    void take();
    void serve(QLocalSocket *socket);
    void receive(const QByteArray &message);
    void keepListening();
    static bool send(const QString &folder, const QStringList &files);

    QString m_folder;
    QLocalServer *m_server;
    int m_clients = 0;
    bool m_closed = false;
};
