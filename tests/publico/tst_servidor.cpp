// The room's server with real sockets on 127.0.0.1: the page and nothing
// else, phones joining and voting, and what a hostile client may try. The
// board's side (this test's own thread) must keep running all along.
#include "PublicoEnRed.h"
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTcpServer>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QWebSocket>
#include <memory>

namespace {
constexpr int kEspera = 5000; // what any one network step may take here

// A room on 127.0.0.1 with short waits, switched on.
struct Sala {
    std::unique_ptr<PublicoEnRed> p;
    quint16 puerto = 0;
    explicit Sala(const Limites& l = Sala::limites()) {
        OpcionesSala o;
        o.direccion = QHostAddress(QHostAddress::LocalHost);
        o.puertos = {};
        o.codigo = QStringLiteral("4821");
        o.limites = l;
        p = std::make_unique<PublicoEnRed>(o);
        p->setEncendido(true);
        QTRY_VERIFY_WITH_TIMEOUT(p->estado().escuchando, kEspera);
        puerto = quint16(QUrl(p->estado().direccion).port());
    }
    static Limites limites() {
        Limites l;
        l.esperaSinSocketMs = 400;
        return l;
    }
    QUrl ws() const { return QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(puerto)); }
};

// One client connection: what it sends, everything that comes back, and
// whether the server closed it.
QByteArray pedir(quint16 puerto, const QByteArray& bytes, bool* cerrada = nullptr) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, puerto);
    if (!s.waitForConnected(kEspera))
        return {};
    s.write(bytes);
    QByteArray leido;
    QElapsedTimer t;
    t.start();
    while (s.state() == QAbstractSocket::ConnectedState && t.elapsed() < kEspera) {
        if (s.bytesToWrite() > 0)
            s.waitForBytesWritten(50);
        else
            s.waitForReadyRead(50);
        if (s.isOpen())
            leido += s.readAll();
    }
    if (s.isOpen())
        leido += s.readAll();
    if (cerrada)
        *cerrada = s.state() != QAbstractSocket::ConnectedState;
    return leido;
}

struct Telefono {
    QWebSocket ws;
    QList<QJsonObject> recibido;
    bool cerrado = false;
    explicit Telefono(const QUrl& url, const QString& origen = {}) : ws(origen) {
        QObject::connect(&ws, &QWebSocket::textMessageReceived, [this](const QString& m) {
            recibido.append(QJsonDocument::fromJson(m.toUtf8()).object());
        });
        QObject::connect(&ws, &QWebSocket::disconnected, [this] { cerrado = true; });
        ws.open(url);
    }
    bool abierto() {
        (void)QTest::qWaitFor([&] { return ws.state() == QAbstractSocket::ConnectedState || cerrado; }, kEspera);
        return ws.state() == QAbstractSocket::ConnectedState;
    }
    void decir(const QByteArray& m) { ws.sendTextMessage(QString::fromUtf8(m)); }
    QJsonObject esperar(const char* tipo) {
        const auto buscar = [&]() -> QJsonObject {
            for (const auto& m : std::as_const(recibido))
                if (m.value("t").toString() == QLatin1String(tipo))
                    return m;
            return {};
        };
        (void)QTest::qWaitFor([&] { return !buscar().isEmpty() || cerrado; }, kEspera);
        return buscar();
    }
    bool unirse(const char* codigo = "4821") {
        if (!abierto())
            return false;
        decir(QByteArray(R"({"t":"unirse","sala":")") + codigo + "\"}");
        return !esperar("bienvenida").isEmpty();
    }
};

// The board's event loop: a timer that should tick every 10 ms.
struct Latido {
    QTimer t;
    QElapsedTimer e;
    qint64 peor = 0, antes = 0;
    Latido() {
        e.start();
        t.setInterval(10);
        QObject::connect(&t, &QTimer::timeout, [this] {
            const qint64 ahora = e.elapsed();
            peor = std::max(peor, ahora - antes);
            antes = ahora;
        });
        t.start();
    }
};
} // namespace

class TstServidor : public QObject {
    Q_OBJECT
private slots:
    void pagina_data();
    void pagina();
    void votar();
    void socketsMalos_data();
    void socketsMalos();
    void codigoRepetido();
    void medioAbiertas_data();
    void medioAbiertas();
    void apagar();
    void puertoOcupado();
};

void TstServidor::pagina_data() {
    QTest::addColumn<QByteArray>("pedido");
    QTest::addColumn<QByteArray>("respuesta"); // the status line's start, or "" for closed unanswered
    const QByteArray h = "Host: 127.0.0.1\r\n";
    QTest::newRow("the page") << "GET / HTTP/1.1\r\n" + h + "\r\n" << QByteArray("HTTP/1.1 200");
    QTest::newRow("the page with the code") << "GET /?sala=4821 HTTP/1.1\r\n" + h + "\r\n" << QByteArray("HTTP/1.1 200");
    QTest::newRow("its script") << "GET /sala.js HTTP/1.1\r\n" + h + "\r\n" << QByteArray("HTTP/1.1 200");
    QTest::newRow("up the tree") << "GET /../etc/passwd HTTP/1.1\r\n" + h + "\r\n" << QByteArray("HTTP/1.1 404");
    QTest::newRow("up the tree, encoded") << "GET /%2e%2e/%2e%2e/etc/passwd HTTP/1.1\r\n" + h + "\r\n" << QByteArray("HTTP/1.1 404");
    QTest::newRow("the resources by name") << "GET /:/sala/index.html HTTP/1.1\r\n" + h + "\r\n" << QByteArray("HTTP/1.1 404");
    QTest::newRow("qrc") << "GET /qrc:/sala/sala.js HTTP/1.1\r\n" + h + "\r\n" << QByteArray("HTTP/1.1 404");
    QTest::newRow("the page's folder") << "GET /pagina/index.html HTTP/1.1\r\n" + h + "\r\n" << QByteArray("HTTP/1.1 404");
    QTest::newRow("a post") << "POST / HTTP/1.1\r\n" + h + "Content-Length: 4\r\n\r\nhola" << QByteArray("HTTP/1.1 404");
    QTest::newRow("a get with a body") << "GET / HTTP/1.1\r\n" + h + "Content-Length: 4\r\n\r\nhola" << QByteArray("HTTP/1.1 413");
    QTest::newRow("oversize headers") << "GET / HTTP/1.1\r\n" + h + "X-Relleno: " + QByteArray(40000, 'x') + "\r\n\r\n" << QByteArray();
    QTest::newRow("an oversize body") << "PUT / HTTP/1.1\r\n" + h + "Content-Length: 1000000\r\n\r\n" + QByteArray(1000000, 'x') << QByteArray();
    QByteArray azar(4096, 0);
    QRandomGenerator g(19);
    for (char& c : azar)
        c = char(g.bounded(256));
    QTest::newRow("random bytes") << azar << QByteArray();
    QTest::newRow("half a request") << QByteArray("GET / HTTP/1.1\r\nHost: 12") << QByteArray();
}

void TstServidor::pagina() {
    QFETCH(QByteArray, pedido);
    QFETCH(QByteArray, respuesta);
    Sala sala;
    Latido latido;
    bool cerrada = false;
    const QByteArray r = pedir(sala.puerto, pedido, &cerrada);
    QVERIFY2(r.startsWith(respuesta), r.left(200).constData());
    if (respuesta.isEmpty())
        QVERIFY2(r.isEmpty(), r.left(200).constData());
    // Every connection ends: answered or not, it is closed once it idles.
    QVERIFY(cerrada);
    if (respuesta.endsWith("200"))
        QVERIFY(r.contains("Content-Security-Policy"));
    // And the server still serves the next phone.
    QVERIFY(pedir(sala.puerto, "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n").startsWith("HTTP/1.1 200"));
    QVERIFY(latido.peor < 1000);
}

void TstServidor::votar() {
    Sala sala;
    QSignalSpy votos(sala.p.get(), &Publico::votosCambian);
    QSignalSpy cerrada(sala.p.get(), &Publico::encuestaCerrada);
    Telefono a(sala.ws()), b(sala.ws());
    QVERIFY(a.unirse());
    QVERIFY(b.unirse());
    QCOMPARE(a.esperar("espera").value("t").toString(), QStringLiteral("espera"));
    QTRY_COMPARE_WITH_TIMEOUT(sala.p->estado().conectados, 2, kEspera);
    sala.p->preguntaAbierta({QStringLiteral("Ana"), 2, QStringLiteral("2"), QStringLiteral("¿Cuántos?"),
                             {QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres"), QStringLiteral("cuatro")}, 30});
    QCOMPARE(b.esperar("pregunta").value("enunciado").toString(), QStringLiteral("¿Cuántos?"));
    QVERIFY(sala.p->abrirEncuesta());
    QVERIFY(!a.esperar("encuesta").isEmpty());
    a.decir(R"({"t":"voto","r":1})");
    a.decir(R"({"t":"voto","r":2})"); // changed
    a.decir(R"({"t":"voto","r":4})"); // "E": refused
    QTRY_VERIFY_WITH_TIMEOUT(!votos.isEmpty() && votos.last() == (QVariantList{1, 2}), kEspera);
    QVERIFY(cerrada.isEmpty());
    b.decir(R"({"t":"voto","r":2})"); // everyone has voted: it closes
    QTRY_COMPARE_WITH_TIMEOUT(cerrada.size(), 1, kEspera);
    const auto v = cerrada.first().first().value<std::array<int, 4>>();
    QCOMPARE((QList<int>{v[0], v[1], v[2], v[3]}), (QList<int>{0, 0, 2, 0}));
    b.decir(R"({"t":"voto","r":0})"); // after the close: nothing
    sala.p->cerrarEncuesta();
    QTest::qWait(200);
    QCOMPARE(cerrada.size(), 1);
    // A phone without the code is refused and never counted.
    Telefono c(sala.ws());
    QVERIFY(!c.unirse("1111"));
    QCOMPARE(c.esperar("rechazo").value("motivo").toString(), QStringLiteral("codigo"));
    QCOMPARE(sala.p->estado().conectados, 2);
    // Phones that come and go give their places back: more than the cap of
    // one address in turn, and one more still gets in.
    for (int i = 0; i < Limites().conexionesPorDireccion + 3; ++i) {
        Telefono d(sala.ws());
        QVERIFY(d.unirse());
        d.ws.close();
        QTRY_VERIFY_WITH_TIMEOUT(d.cerrado, kEspera);
    }
    Telefono e(sala.ws());
    QVERIFY(e.unirse());
}

void TstServidor::socketsMalos_data() {
    QTest::addColumn<QByteArray>("mensaje");
    QTest::addColumn<QString>("origen");
    QTest::addColumn<bool>("binario");
    QTest::newRow("garbage JSON first") << QByteArray("{\"t\":\"unirse\",,,") << QString() << false;
    QTest::newRow("a vote before joining") << QByteArray(R"({"t":"voto","r":1})") << QString() << false;
    QTest::newRow("an oversize message")
        << "{\"t\":\"unirse\",\"sala\":\"4821\",\"nombre\":\"" + QByteArray(2000, 'x') + "\"}" << QString() << false;
    QTest::newRow("a binary message") << QByteArray("\x00\x01\x02", 3) << QString() << true;
    QTest::newRow("another site's page") << QByteArray(R"({"t":"unirse","sala":"4821"})") << "http://ejemplo.invalid" << false;
    QTest::newRow("a socket that never joins") << QByteArray() << QString() << false;
}

void TstServidor::socketsMalos() {
    QFETCH(QByteArray, mensaje);
    QFETCH(QString, origen);
    QFETCH(bool, binario);
    Sala sala;
    Latido latido;
    Telefono t(sala.ws(), origen);
    if (t.abierto() && !mensaje.isEmpty()) {
        if (binario)
            t.ws.sendBinaryMessage(mensaje);
        else
            t.decir(mensaje);
    }
    QTRY_VERIFY_WITH_TIMEOUT(t.cerrado, kEspera);
    QVERIFY(t.esperar("bienvenida").isEmpty());
    QCOMPARE(sala.p->estado().conectados, 0);
    Telefono bueno(sala.ws());
    QVERIFY(bueno.unirse());
    QVERIFY(latido.peor < 1000);
}

void TstServidor::codigoRepetido() {
    Sala sala;
    Telefono t(sala.ws());
    QVERIFY(t.abierto());
    for (int i = 0; i < 5; ++i)
        t.decir(QByteArray(R"({"t":"unirse","sala":"000)") + char('0' + i) + "\"}");
    QTRY_VERIFY_WITH_TIMEOUT(t.cerrado, kEspera);
    QCOMPARE(t.recibido.last().value("motivo").toString(), QStringLiteral("bloqueada"));
    // The address is refused now, even with the right code, even for the page.
    Telefono otra(sala.ws());
    QVERIFY(!otra.unirse());
    bool cerrada = false;
    QVERIFY(pedir(sala.puerto, "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", &cerrada).isEmpty());
    QVERIFY(cerrada);
}

void TstServidor::medioAbiertas_data() {
    QTest::addColumn<int>("porDireccion");
    QTest::addColumn<int>("dentro"); // the most the server should hold
    QTest::newRow("the game's caps") << 12 << 12;
    QTest::newRow("the total cap") << 5000 << 600;
}

void TstServidor::medioAbiertas() {
    QFETCH(int, porDireccion);
    QFETCH(int, dentro);
    Limites l = Sala::limites();
    l.conexionesPorDireccion = porDireccion;
    l.esperaSinSocketMs = 4000; // long enough to count those it took
    Sala sala(l);
    Latido latido;
    // A thousand connections that never finish a request, fifty at a time
    // so the kernel's listen queue never overflows (past it, this side would
    // count connections the server never saw).
    std::vector<std::unique_ptr<QTcpSocket>> s;
    const auto abiertas = [&] {
        return int(std::count_if(s.begin(), s.end(), [](const auto& x) {
            return x->state() == QAbstractSocket::ConnectedState;
        }));
    };
    for (int tanda = 0; tanda < 20; ++tanda) {
        for (int i = 0; i < 50; ++i) {
            s.push_back(std::make_unique<QTcpSocket>());
            s.back()->connectToHost(QHostAddress::LocalHost, sala.puerto);
            if (i % 2)
                s.back()->write("GET / HTTP/1.1\r\n");
        }
        QVERIFY(QTest::qWaitFor([&] {
            return std::none_of(s.end() - 50, s.end(), [](const auto& x) {
                return x->state() == QAbstractSocket::ConnectingState
                       || x->state() == QAbstractSocket::HostLookupState;
            });
        }, kEspera));
    }
    // The server turned away at once what was over its caps.
    QTest::qWait(200);
    QVERIFY2(abiertas() <= dentro, QByteArray::number(abiertas()).constData());
    // And it closes those it took once they have been silent too long.
    QTRY_COMPARE_WITH_TIMEOUT(abiertas(), 0, 2 * kEspera);
    s.clear();
    Telefono bueno(sala.ws());
    QVERIFY(bueno.unirse());
    QVERIFY2(latido.peor < 1000, QByteArray::number(latido.peor).constData());
}

void TstServidor::apagar() {
    auto sala = std::make_unique<Sala>();
    const quint16 puerto = sala->puerto;
    Telefono t(sala->ws());
    QVERIFY(t.unirse());
    sala->p->setEncendido(false);
    QVERIFY(!sala->p->estado().escuchando);
    QTRY_VERIFY_WITH_TIMEOUT(t.cerrado, kEspera);
    QVERIFY(!sala->p->abrirEncuesta()); // switched off: the board's own poll
    sala->p->setEncendido(true);
    QTRY_VERIFY_WITH_TIMEOUT(sala->p->estado().escuchando, kEspera);
    // Gone with the game: the port is closed once the room is destroyed.
    QElapsedTimer e;
    e.start();
    sala.reset();
    QVERIFY(e.elapsed() < 3000);
    QTcpSocket c;
    c.connectToHost(QHostAddress::LocalHost, puerto);
    QVERIFY(!c.waitForConnected(1000));
}

void TstServidor::puertoOcupado() {
    // The port the room prefers is taken: it listens on another one.
    QTcpServer otro;
    QVERIFY(otro.listen(QHostAddress::LocalHost, 0));
    OpcionesSala o;
    o.direccion = QHostAddress(QHostAddress::LocalHost);
    o.puertos = {otro.serverPort()};
    PublicoEnRed p(o);
    p.setEncendido(true);
    QTRY_VERIFY_WITH_TIMEOUT(p.estado().escuchando || !p.estado().problema.isEmpty(), kEspera);
    QVERIFY2(p.estado().escuchando, qPrintable(p.estado().problema));
    QVERIFY(QUrl(p.estado().direccion).port() != otro.serverPort());
    QVERIFY(p.estado().enlace.endsWith(QStringLiteral("/?sala=") + p.estado().codigo));
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9]{4}$")).match(p.estado().codigo).hasMatch());
}

QTEST_GUILESS_MAIN(TstServidor)
#include "tst_servidor.moc"
