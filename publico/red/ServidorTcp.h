#pragma once
#include "Limites.h"
#include "Porteria.h"
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>

class QTcpSocket;

// The listening socket under the HTTP server. It lets in only what the
// porter allows (per address, in all, not locked out), and until a
// connection has become a WebSocket it bounds what it may send and how long
// it may stay silent: Qt's HTTP server would otherwise hold any amount of
// headers or body, and any number of idle connections.
class ServidorTcp : public QTcpServer {
    Q_OBJECT
public:
    ServidorTcp(Porteria& porteria, const Limites& limites, QObject* parent = nullptr);

    // The connection from that address and port is a WebSocket now: its
    // messages are bounded by the WebSocket itself from here on, and its
    // place with the porter is the caller's to give back (Qt's server cut
    // every signal of the socket as it handed it over). False if unknown.
    bool mejorado(const QHostAddress& direccion, quint16 puerto);
    int vigilados() const { return int(vigilados_.size()); }

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    struct Vigilado {
        QPointer<QTcpSocket> socket;
        QString direccion;
        qint64 bytes = 0;
        qint64 ultimo = 0;
    };
    void barrer();
    static QString clave(const QHostAddress& a, quint16 puerto);

    Porteria& porteria_;
    Limites l_;
    QHash<QString, Vigilado> vigilados_;
    qint64 ahora() const;
};
