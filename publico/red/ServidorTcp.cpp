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
    vigilados_.insert(k, Vigilado{s, 0, ahora(), false});
    connect(s, &QObject::destroyed, this, [this, direccion, k] {
        porteria_.salir(direccion);
        vigilados_.remove(k);
    });
    // Connected before the HTTP server's own reader, so it counts every
    // chunk before the server reads it.
    connect(s, &QTcpSocket::readyRead, this, [this, s, k] {
        auto it = vigilados_.find(k);
        if (it == vigilados_.end() || it->mejorado)
            return;
        it->bytes += s->bytesAvailable();
        it->ultimo = ahora();
        if (it->bytes > l_.bytesAntesDelSocket)
            s->abort();
    });
    addPendingConnection(s);
}

void ServidorTcp::mejorado(const QHostAddress& direccion, quint16 puerto) {
    auto it = vigilados_.find(clave(direccion, puerto));
    if (it != vigilados_.end())
        it->mejorado = true;
}

void ServidorTcp::barrer() {
    const qint64 t = ahora();
    QList<QTcpSocket*> viejos;
    for (const auto& v : std::as_const(vigilados_))
        if (!v.mejorado && t - v.ultimo > l_.esperaSinSocketMs)
            viejos.append(v.socket);
    for (QTcpSocket* s : viejos)
        s->abort();
}
