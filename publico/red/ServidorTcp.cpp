#include "ServidorTcp.h"
#include <QDateTime>
#include <QTcpSocket>
#include <QTimer>

ServidorTcp::ServidorTcp(Porteria& porteria, const Limites& limites, QObject* parent)
    : QTcpServer(parent), porteria_(porteria), l_(limites) {
    // Thirty-two sweeps per allowed silence is close enough and cheap.
    auto* t = new QTimer(this);
    t->setInterval(int(std::max<qint64>(50, l_.esperaSinSocketMs / 32)));
    connect(t, &QTimer::timeout, this, &ServidorTcp::barrer);
    t->start();
}

qint64 ServidorTcp::ahora() const { return QDateTime::currentMSecsSinceEpoch(); }

QString ServidorTcp::clave(const QHostAddress& a, quint16 puerto) {
    return a.toString() + QLatin1Char('#') + QString::number(puerto);
}

void ServidorTcp::incomingConnection(qintptr descriptor) {
    auto* s = new QTcpSocket(this);
    if (!s->setSocketDescriptor(descriptor)) {
        delete s;
        return;
    }
    const QString direccion = s->peerAddress().toString();
    if (!porteria_.entrar(direccion)) {
        s->abort();
        delete s;
        return;
    }
    const QString k = clave(s->peerAddress(), s->peerPort());
    vigilados_.insert(k, Vigilado{s, direccion, 0, ahora()});
    connect(s, &QObject::destroyed, this, [this, direccion, k] {
        if (vigilados_.remove(k))
            porteria_.salir(direccion);
    });
    // Connected before the HTTP server's own reader, so it counts every
    // chunk before the server reads it.
    connect(s, &QTcpSocket::readyRead, this, [this, s, k] {
        auto it = vigilados_.find(k);
        if (it == vigilados_.end())
            return;
        it->bytes += s->bytesAvailable();
        it->ultimo = ahora();
        if (it->bytes > l_.bytesAntesDelSocket)
            QMetaObject::invokeMethod(s, &QTcpSocket::abort, Qt::QueuedConnection);
    });
    // Qt's server keeps an unfinished request in the socket's buffer; with
    // the buffer bounded, a request that never ends stalls there until the
    // sweep closes it, and never costs more than this much memory.

    addPendingConnection(s);
}

bool ServidorTcp::mejorado(const QHostAddress& direccion, quint16 puerto) {
    return vigilados_.remove(clave(direccion, puerto));
}

void ServidorTcp::barrer() {
    const qint64 t = ahora();
    QList<QPointer<QTcpSocket>> viejos;
    for (auto it = vigilados_.begin(); it != vigilados_.end();) {
        if (!it->socket) {
            // Gone without a word: a handshake that failed after Qt's server
            // had cut the socket's signals.
            porteria_.salir(it->direccion);
            it = vigilados_.erase(it);
            continue;
        }
        if (t - it->ultimo > l_.esperaSinSocketMs)
            viejos.append(it->socket);
        ++it;
    }
    for (const auto& s : viejos)
        if (s)
            s->abort();
}
