#include "Servidor.h"
#include "Sala.h"
#include "ServidorTcp.h"
#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QNetworkInterface>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>
#include <sys/resource.h>

namespace {
// A phone that reads nothing while the room keeps writing is dropped once
// this much waits for it; a whole question is well under 2 KB.
constexpr qint64 kMaxPorEnviar = 256 * 1024;

QByteArray recurso(const char* nombre) {
    QFile f(QStringLiteral(":/sala/") + QLatin1String(nombre));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// 600 connections and the game's own files need more descriptors than the
// 1024 a session often starts with.
void masDescriptores() {
    rlimit r{};
    if (getrlimit(RLIMIT_NOFILE, &r) == 0 && r.rlim_cur < 4096) {
        r.rlim_cur = std::min<rlim_t>(r.rlim_max, 4096);
        setrlimit(RLIMIT_NOFILE, &r);
    }
}
} // namespace

OpcionesSala OpcionesSala::delEntorno() {
    OpcionesSala o;
    const QByteArray d = qgetenv("ORVALIA_PUBLICO_DIRECCION");
    if (!d.isEmpty())
        o.direccion = QHostAddress(QString::fromLatin1(d));
    return o;
}

// The page lives in this static library's resources, which the linker drops
// unless someone names them.
static void iniciarPagina() { Q_INIT_RESOURCE(pagina); }

Servidor::Servidor(const OpcionesSala& opciones, QObject* parent) : QObject(parent), op_(opciones) {
    iniciarPagina();
}

Servidor::~Servidor() { apagar(); }

QHostAddress Servidor::direccionDeRed(QString* problema) {
    // Wi-Fi and wired first; a bridge or a VPN only when nothing else is up.
    QHostAddress otra;
    const auto todas = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : todas) {
        const auto f = i.flags();
        if (!(f & QNetworkInterface::IsUp) || !(f & QNetworkInterface::IsRunning)
            || (f & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            const QHostAddress a = e.ip();
            if (a.protocol() != QAbstractSocket::IPv4Protocol || a.isLoopback() || a.isLinkLocal())
                continue;
            if (i.type() == QNetworkInterface::Wifi || i.type() == QNetworkInterface::Ethernet)
                return a;
            if (otra.isNull())
                otra = a;
        }
    }
    if (otra.isNull() && problema)
        *problema = QStringLiteral("Este equipo no está conectado a ninguna red: el público no puede unirse.");
    return otra;
}

void Servidor::encender() {
    if (http_) {
        emit estado({true, {}, QStringLiteral("http://%1:%2/").arg(host_).arg(puerto_),
                     QStringLiteral("http://%1:%2/?sala=%3").arg(host_).arg(puerto_).arg(sala_->codigo()),
                     sala_->codigo(), sala_->conectados(), {}});
        return;
    }
    EstadoSala e;
    QHostAddress direccion = op_.direccion;
    if (direccion.isNull())
        direccion = direccionDeRed(&e.problema);
    if (direccion.isNull()) {
        emit estado(e);
        return;
    }
    masDescriptores();
    porteria_ = std::make_unique<Porteria>(op_.limites, reloj_);
    auto* tcp = new ServidorTcp(*porteria_, op_.limites);
    QList<quint16> puertos = op_.puertos;
    puertos.append(0);
    for (quint16 p : std::as_const(puertos))
        if (tcp->listen(direccion, p))
            break;
    if (!tcp->isListening()) {
        delete tcp;
        porteria_.reset();
        e.problema = QStringLiteral("No se pudo abrir un puerto en este equipo: el público no puede unirse.");
        emit estado(e);
        return;
    }
    tcp_ = tcp;
    host_ = direccion.toString();
    puerto_ = tcp->serverPort();

    sala_ = std::make_unique<Sala>(*porteria_, op_.limites, reloj_, op_.codigo);
    connect(sala_.get(), &Sala::enviar, this, [this](int id, const QString& m) {
        auto it = telefonos_.constFind(id);
        if (it == telefonos_.cend())
            return;
        if (it->socket->bytesToWrite() > kMaxPorEnviar) {
            echar(id);
            return;
        }
        it->socket->sendTextMessage(m);
    });
    connect(sala_.get(), &Sala::echar, this, &Servidor::echar);
    connect(sala_.get(), &Sala::conectadosCambian, this, &Servidor::conectados);
    connect(sala_.get(), &Sala::mejoresCambian, this, &Servidor::mejores);
    // A burst of votes reaches the board as one count per pass of this
    // thread's loop, not one queued call per vote.
    connect(sala_.get(), &Sala::votosCambian, this, [this](int v, int de) {
        const bool programado = votosPendientes_.has_value();
        votosPendientes_ = std::pair{v, de};
        if (!programado)
            QTimer::singleShot(0, this, [this] {
                if (!votosPendientes_)
                    return;
                const auto [votaron, de] = *votosPendientes_;
                votosPendientes_.reset();
                emit votosCambian(votaron, de);
            });
    });
    connect(sala_.get(), &Sala::encuestaCerrada, this, [this](const std::array<int, 4>& v) {
        // The last count before the close, then the close.
        if (votosPendientes_) {
            const auto [votaron, de] = *votosPendientes_;
            votosPendientes_.reset();
            emit votosCambian(votaron, de);
        }
        emit encuestaCerrada(v);
    });

    http_ = std::make_unique<QHttpServer>();
    // Three files built into the program, and nothing else: no path reaches
    // the file system, and no request here carries a body.
    const struct { const char* ruta; const char* archivo; const char* tipo; } paginas[] = {
        {"/", "index.html", "text/html; charset=utf-8"},
        {"/sala.css", "sala.css", "text/css; charset=utf-8"},
        {"/sala.js", "sala.js", "text/javascript; charset=utf-8"},
    };
    for (const auto& p : paginas) {
        const QByteArray cuerpo = recurso(p.archivo);
        const QByteArray tipo = p.tipo;
        http_->route(QString::fromLatin1(p.ruta), QHttpServerRequest::Method::Get,
                     [cuerpo, tipo](const QHttpServerRequest& r) {
                         if (!r.body().isEmpty())
                             return QHttpServerResponse(QHttpServerResponder::StatusCode::PayloadTooLarge);
                         QHttpServerResponse res(tipo, cuerpo);
                         res.addHeader("Cache-Control", "no-store");
                         res.addHeader("X-Content-Type-Options", "nosniff");
                         res.addHeader("Referrer-Policy", "no-referrer");
                         res.addHeader("Content-Security-Policy",
                                       "default-src 'none'; script-src 'self'; style-src 'self'; "
                                       "connect-src 'self' ws:; img-src 'self'; frame-ancestors 'none'");
                         return res;
                     });
    }
    // Qt's server hands a connection over as a WebSocket only where a route
    // takes it; this one answers nothing itself. Anything but an upgrade
    // there is a 404 like every other path.
    http_->route(QStringLiteral("/ws"), QHttpServerRequest::Method::Get,
                 [](const QHttpServerRequest& r, QHttpServerResponder&& responder) {
                     if (r.value("upgrade").compare("websocket", Qt::CaseInsensitive) != 0)
                         responder.write(QHttpServerResponder::StatusCode::NotFound);
                 });
    connect(http_.get(), &QHttpServer::newWebSocketConnection, this, &Servidor::nuevoSocket);
    http_->bind(tcp);

    reloj10_ = new QTimer(this);
    reloj10_->setInterval(100);
    connect(reloj10_, &QTimer::timeout, this, &Servidor::revisar);
    reloj10_->start();

    e.escuchando = true;
    e.direccion = QStringLiteral("http://%1:%2/").arg(host_).arg(puerto_);
    e.enlace = QStringLiteral("http://%1:%2/?sala=%3").arg(host_).arg(puerto_).arg(sala_->codigo());
    e.codigo = sala_->codigo();
    emit estado(e);
}

void Servidor::apagar() {
    delete reloj10_;
    reloj10_ = nullptr;
    const auto todos = telefonos_;
    telefonos_.clear();
    for (const Telefono& t : todos) {
        disconnect(t.socket, nullptr, this, nullptr);
        t.socket->abort();
        delete t.socket;
    }
    http_.reset(); // the listening socket and every page connection with it
    tcp_ = nullptr;
    sala_.reset();
    porteria_.reset();
    puerto_ = 0;
}

void Servidor::nuevoSocket() {
    while (http_ && http_->hasPendingWebSocketConnections()) {
        QWebSocket* ws = http_->nextPendingWebSocketConnection().release();
        if (!ws)
            break;
        ws->setParent(this);
        const QString direccion = ws->peerAddress().toString();
        if (tcp_ && tcp_->mejorado(ws->peerAddress(), ws->peerPort()))
            connect(ws, &QObject::destroyed, this, [this, direccion] {
                if (porteria_)
                    porteria_->salir(direccion);
            });
        ws->setMaxAllowedIncomingFrameSize(quint64(op_.limites.mensajeMaximo));
        ws->setMaxAllowedIncomingMessageSize(quint64(op_.limites.mensajeMaximo));
        // Only our own page may open a socket, as it was reached: another
        // site a phone has open (or one posing under another name for this
        // address) is refused.
        const QUrl origen(ws->origin());
        const QUrl pedido = ws->requestUrl();
        const bool propio = pedido.host() == host_ && pedido.port(80) == puerto_
                            && (ws->origin().isEmpty()
                                || (origen.scheme() == QLatin1String("http") && origen.host() == host_
                                    && origen.port(80) == puerto_));
        if (!propio) {
            connect(ws, &QWebSocket::disconnected, ws, &QObject::deleteLater);
            ws->close(QWebSocketProtocol::CloseCodePolicyViolated);
            QTimer::singleShot(2000, ws, [ws] { ws->abort(); });
            continue;
        }
        const int id = ++siguiente_;
        const qint64 ahora = reloj_.ms();
        telefonos_.insert(id, Telefono{ws, ahora, ahora});
        connect(ws, &QWebSocket::textMessageReceived, this, [this, id](const QString& m) {
            auto it = telefonos_.find(id);
            if (it == telefonos_.end())
                return;
            it->ultimo = reloj_.ms();
            sala_->recibir(id, m);
        });
        connect(ws, &QWebSocket::binaryMessageReceived, this, [this, id] { echar(id); });
        connect(ws, &QWebSocket::pong, this, [this, id] {
            auto it = telefonos_.find(id);
            if (it != telefonos_.end())
                it->ultimo = reloj_.ms();
        });
        connect(ws, &QWebSocket::disconnected, this, [this, id] {
            auto it = telefonos_.find(id);
            if (it == telefonos_.end())
                return;
            QWebSocket* s = it->socket;
            telefonos_.erase(it);
            sala_->cerrada(id);
            s->deleteLater();
        });
        sala_->abierta(id, direccion);
    }
}

void Servidor::echar(int id) {
    auto it = telefonos_.find(id);
    if (it == telefonos_.end())
        return;
    QWebSocket* s = it->socket;
    // Say why, then make sure it goes even if the other end never answers.
    s->close(QWebSocketProtocol::CloseCodePolicyViolated);
    QTimer::singleShot(2000, s, [s] { s->abort(); });
}

void Servidor::revisar() {
    if (!sala_)
        return;
    sala_->revisar();
    const qint64 ahora = reloj_.ms();
    const bool ping = ahora - ultimoPing_ >= op_.limites.pingCadaMs;
    if (ping)
        ultimoPing_ = ahora;
    QList<int> mudos;
    for (auto it = telefonos_.cbegin(); it != telefonos_.cend(); ++it) {
        const bool unida = sala_->unida(it.key());
        if ((!unida && ahora - it->desde > op_.limites.esperaSinSocketMs)
            || ahora - it->ultimo > op_.limites.silencioMaximoMs)
            mudos.append(it.key());
        else if (ping)
            it->socket->ping();
    }
    for (int id : mudos)
        if (auto it = telefonos_.find(id); it != telefonos_.end())
            it->socket->abort();
}
