// SPDX-License-Identifier: MIT
#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

/** Serves one HTML page at every address on 127.0.0.1, on a free port. */
class PageServer final : public QTcpServer
{
public:
    explicit PageServer(const QByteArray &page) : m_page(page) { listen(QHostAddress::LocalHost); }
    QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path));
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            socket->readAll();
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n"
                          "Content-Length: " +
                          QByteArray::number(m_page.size()) + "\r\n\r\n" + m_page);
            socket->disconnectFromHost();
        });
    }

private:
    QByteArray m_page;
};
