// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

/**
 * Passes picture files given to a later start of the program to the copy
 * that already runs on the same notes folder, through a local socket that
 * only this user can reach, beside the folder's lock.
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
    /** Hands @p files to the copy running on @p folder; false when none took them. */
    static bool handOver(const QString &folder, const QStringList &files);
    /** The socket's path for @p folder. */
    static QString socketPath(const QString &folder);

signals:
    void filesReceived(const QStringList &files);

private:
    void take();

    QString m_folder;
    QLocalServer *m_server;
};
