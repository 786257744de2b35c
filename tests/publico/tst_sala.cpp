// The room's rules, without a network: joining with the code, the lock-out,
// the poll, playing along, names and the limits. The clock is moved by hand.
#include "Porteria.h"
#include "Sala.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>
#include <numeric>

namespace {
struct RelojFalso : Reloj {
    qint64 t = 1000;
    qint64 ms() const override { return t; }
};

// A room with its own clock and porter, and every message it sends kept.
struct Banco {
    RelojFalso reloj;
    Limites l;
    Porteria porteria{l, reloj};
    Sala sala{porteria, l, reloj, QStringLiteral("4821")};
    QMap<int, QList<QJsonObject>> recibido;
    QList<int> echados;
    QList<std::array<int, 4>> cerradas;

    Banco() {
        QObject::connect(&sala, &Sala::enviar, [this](int id, const QString& m) {
            recibido[id].append(QJsonDocument::fromJson(m.toUtf8()).object());
        });
        QObject::connect(&sala, &Sala::echar, [this](int id) { echados.append(id); });
        QObject::connect(&sala, &Sala::encuestaCerrada, [this](const std::array<int, 4>& v) { cerradas.append(v); });
    }
    void decir(int id, const QJsonObject& m) {
        sala.recibir(id, QString::fromUtf8(QJsonDocument(m).toJson(QJsonDocument::Compact)));
    }
    // A phone on connection `id` from `dir`, joined; returns its token.
    QString unir(int id, const QString& nombre = {}, const QString& dir = QStringLiteral("10.0.0.1"),
                 const QString& ficha = {}) {
        sala.abierta(id, dir);
        decir(id, {{"t", "unirse"}, {"sala", "4821"}, {"nombre", nombre}, {"ficha", ficha}});
        return ultimo(id, "bienvenida").value("ficha").toString();
    }
    QJsonObject ultimo(int id, const char* tipo) const {
        const auto l = recibido.value(id);
        for (auto it = l.crbegin(); it != l.crend(); ++it)
            if (it->value("t").toString() == QLatin1String(tipo))
                return *it;
        return {};
    }
    void pregunta() {
        sala.abrirPregunta({QStringLiteral("Ana"), 4, QStringLiteral("5"), QStringLiteral("¿Quién?"),
                            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}, 30});
    }
};
} // namespace

class TstSala : public QObject {
    Q_OBJECT
private slots:
    void unirse_data();
    void unirse();
    void bloqueo();
    void votos_data();
    void votos();
    void cierre_data();
    void cierre();
    void nombre_data();
    void nombre();
    void clasificacion();
    void vuelta();
    void cupos_data();
    void cupos();
    void mensajes();
};

void TstSala::unirse_data() {
    QTest::addColumn<QByteArray>("mensaje");
    QTest::addColumn<QString>("respuesta"); // what comes back, or "echado"
    QTest::newRow("right code") << QByteArray(R"({"t":"unirse","sala":"4821"})") << "bienvenida";
    QTest::newRow("wrong code") << QByteArray(R"({"t":"unirse","sala":"4822"})") << "rechazo";
    QTest::newRow("code as a number") << QByteArray(R"({"t":"unirse","sala":4821})") << "rechazo";
    QTest::newRow("no code") << QByteArray(R"({"t":"unirse"})") << "rechazo";
    QTest::newRow("a vote before joining") << QByteArray(R"({"t":"voto","r":1})") << "echado";
    QTest::newRow("garbage") << QByteArray("\x01\xff{{{") << "echado";
    QTest::newRow("not an object") << QByteArray(R"(["unirse","4821"])") << "echado";
}

void TstSala::unirse() {
    QFETCH(QByteArray, mensaje);
    QFETCH(QString, respuesta);
    Banco b;
    b.sala.abierta(1, QStringLiteral("10.0.0.1"));
    b.sala.recibir(1, QString::fromUtf8(mensaje));
    if (respuesta == QLatin1String("echado")) {
        QCOMPARE(b.echados, QList<int>{1});
        QVERIFY(b.recibido.isEmpty());
        return;
    }
    QVERIFY(b.echados.isEmpty());
    QCOMPARE(b.recibido.value(1).value(0).value("t").toString(), respuesta);
    QCOMPARE(b.sala.conectados(), respuesta == QLatin1String("bienvenida") ? 1 : 0);
    if (respuesta == QLatin1String("bienvenida")) {
        // The token is 128 random bits in hex, and the phone waits.
        QCOMPARE(b.recibido[1][0].value("ficha").toString().size(), 32);
        QCOMPARE(b.recibido[1][1].value("t").toString(), QStringLiteral("espera"));
    }
}

void TstSala::bloqueo() {
    Banco b;
    const QString malo = QStringLiteral("10.0.0.66");
    b.sala.abierta(1, malo);
    for (int i = 0; i < 4; ++i)
        b.decir(1, {{"t", "unirse"}, {"sala", QString::number(1000 + i)}});
    QVERIFY(b.echados.isEmpty());
    QCOMPARE(b.ultimo(1, "rechazo").value("motivo").toString(), QStringLiteral("codigo"));
    // The fifth wrong guess locks the address out and drops the connection.
    b.decir(1, {{"t", "unirse"}, {"sala", "1004"}});
    QCOMPARE(b.ultimo(1, "rechazo").value("motivo").toString(), QStringLiteral("bloqueada"));
    QCOMPARE(b.echados, QList<int>{1});
    QVERIFY(!b.porteria.entrar(malo));
    // Even the right code is refused from there now; another address joins.
    b.sala.abierta(2, malo);
    b.decir(2, {{"t", "unirse"}, {"sala", "4821"}});
    QCOMPARE(b.ultimo(2, "rechazo").value("motivo").toString(), QStringLiteral("bloqueada"));
    QVERIFY(!b.unir(3).isEmpty());
    // Once the lock has passed, the address may come in.
    b.reloj.t += b.l.bloqueoMs;
    QVERIFY(!b.unir(4, {}, malo).isEmpty());

    // Four wrong guesses a window apart never lock anyone out.
    Banco c;
    c.sala.abierta(1, malo);
    for (int i = 0; i < 8; ++i) {
        if (i == 4)
            c.reloj.t += c.l.ventanaDeFallosMs + 1;
        c.decir(1, {{"t", "unirse"}, {"sala", "0000"}});
    }
    QVERIFY(!c.porteria.bloqueada(malo));
}

void TstSala::votos_data() {
    // Three phones (0, 1, 2) and what they send while the poll is open, in
    // order; "cerrar" closes the poll; "quitar" takes A and D away.
    QTest::addColumn<QStringList>("guion");
    QTest::addColumn<QList<int>>("votos");
    QTest::newRow("one vote each") << QStringList{"0 0", "1 1"} << QList<int>{1, 1, 0, 0};
    QTest::newRow("a vote changed") << QStringList{"0 1", "0 2"} << QList<int>{0, 0, 1, 0};
    QTest::newRow("the same vote twice") << QStringList{"0 3", "0 3"} << QList<int>{0, 0, 0, 1};
    QTest::newRow("a vote for E") << QStringList{"0 4"} << QList<int>{0, 0, 0, 0};
    QTest::newRow("a vote for -1") << QStringList{"0 -1"} << QList<int>{0, 0, 0, 0};
    QTest::newRow("a vote of 1.5") << QStringList{"0 1.5"} << QList<int>{0, 0, 0, 0};
    QTest::newRow("a vote as a letter") << QStringList{"0 \"B\""} << QList<int>{0, 0, 0, 0};
    QTest::newRow("a vote after the close") << QStringList{"0 1", "cerrar", "1 2"} << QList<int>{0, 1, 0, 0};
    QTest::newRow("a vote for a removed answer") << QStringList{"quitar", "0 0", "1 1"} << QList<int>{0, 1, 0, 0};
    QTest::newRow("the same token on a second connection")
        << QStringList{"0 1", "0b 2"} << QList<int>{0, 0, 1, 0};
}

void TstSala::votos() {
    QFETCH(QStringList, guion);
    QFETCH(QList<int>, votos);
    Banco b;
    QString fichas[3];
    for (int i = 0; i < 3; ++i)
        fichas[i] = b.unir(i + 1);
    b.pregunta();
    QSignalSpy contados(&b.sala, &Sala::votosCambian);
    QVERIFY(b.sala.abrirEncuesta());
    for (const QString& paso : guion) {
        if (paso == QLatin1String("cerrar")) {
            b.sala.cerrarEncuesta();
            continue;
        }
        if (paso == QLatin1String("quitar")) {
            b.sala.quitar({true, false, false, true});
            continue;
        }
        int id = paso.left(1).toInt() + 1;
        if (paso.at(1) == u'b') { // the phone again, on a new connection, with its token
            b.unir(10, {}, QStringLiteral("10.0.0.1"), fichas[id - 1]);
            id = 10;
        }
        b.sala.recibir(id, QStringLiteral(R"({"t":"voto","r":%1})").arg(paso.section(u' ', 1)));
    }
    b.sala.cerrarEncuesta();
    QCOMPARE(b.cerradas.size(), 1);
    const std::array<int, 4> v = b.cerradas.first();
    QCOMPARE((QList<int>{v[0], v[1], v[2], v[3]}), votos);
    // What the board was told last counts one vote per phone and nothing
    // refused or late.
    QCOMPARE(contados.last().at(0).toInt(), std::accumulate(votos.begin(), votos.end(), 0));
}

void TstSala::cierre_data() {
    QTest::addColumn<int>("telefonos");
    QTest::addColumn<QString>("como");
    QTest::addColumn<bool>("cerradaAntes"); // closed before cerrarEncuesta
    QTest::newRow("everyone voted") << 2 << "todos" << true;
    QTest::newRow("15 seconds") << 2 << "tiempo" << true;
    QTest::newRow("one second short") << 2 << "casi" << false;
    QTest::newRow("the board closes it") << 2 << "cerrar" << false;
    QTest::newRow("the one left to vote goes") << 2 << "se va" << true;
    QTest::newRow("a new question after a skip") << 2 << "salto" << true;
    QTest::newRow("the question judged") << 2 << "juicio" << true;
}

void TstSala::cierre() {
    QFETCH(int, telefonos);
    QFETCH(QString, como);
    QFETCH(bool, cerradaAntes);
    Banco b;
    QVERIFY(!b.sala.abrirEncuesta()); // nobody there: the board's own poll
    for (int i = 1; i <= telefonos; ++i)
        b.unir(i);
    b.pregunta();
    QSignalSpy votos(&b.sala, &Sala::votosCambian);
    QVERIFY(b.sala.abrirEncuesta());
    QCOMPARE(votos.takeLast(), (QVariantList{0, 2}));
    b.decir(1, {{"t", "voto"}, {"r", 2}});
    QCOMPARE(votos.takeLast(), (QVariantList{1, 2}));
    if (como == QLatin1String("todos"))
        b.decir(2, {{"t", "voto"}, {"r", 2}});
    else if (como == QLatin1String("tiempo") || como == QLatin1String("casi")) {
        b.reloj.t += b.l.duracionEncuestaMs - (como == QLatin1String("casi") ? 1000 : 0);
        b.sala.revisar();
    } else if (como == QLatin1String("se va"))
        b.sala.cerrada(2);
    else if (como == QLatin1String("salto"))
        b.pregunta();
    else if (como == QLatin1String("juicio"))
        b.sala.juzgar(1, 1, Juicio::Acierto);
    QCOMPARE(b.cerradas.size(), cerradaAntes ? 1 : 0);
    QCOMPARE(b.sala.encuestaAbierta(), !cerradaAntes);
    b.sala.cerrarEncuesta();
    QCOMPARE(b.cerradas.size(), 1); // once, however it closed
    QCOMPARE(b.cerradas.first()[2], como == QLatin1String("todos") ? 2 : 1);
    QCOMPARE(b.ultimo(1, "encuesta").value("abierta").toBool(), false);
}

void TstSala::nombre_data() {
    QTest::addColumn<QString>("escrito");
    QTest::addColumn<QString>("guardado");
    QTest::newRow("markup stays letters") << "<b>Ana</b>" << "<b>Ana</b>";
    QTest::newRow("a script tag") << "<script>alert(1)</script>" << "<script>alert(1)</sc";
    QTest::newRow("spaces trimmed") << "   Luis  " << "Luis";
    QTest::newRow("cut to 20") << "Maria de los Angeles Perez" << "Maria de los Angeles";
    QTest::newRow("control characters") << QString::fromUtf8("Ana\x01\n\tLuz\u202e") << "Ana Luz";
    QTest::newRow("never half an emoji")
        << QString(19, u'x') + QString::fromUtf8("\U0001F600") << QString(19, u'x');
    QTest::newRow("no name") << "  " << "Teléfono 1";
}

void TstSala::nombre() {
    QFETCH(QString, escrito);
    QFETCH(QString, guardado);
    Banco b;
    b.unir(1, escrito);
    QCOMPARE(b.ultimo(1, "bienvenida").value("nombre").toString(), guardado);
}

void TstSala::clasificacion() {
    Banco b;
    b.sala.setJuega(true);
    QSignalSpy mejores(&b.sala, &Sala::mejoresCambian);
    QSignalSpy votos(&b.sala, &Sala::votosCambian);
    b.unir(1, QStringLiteral("Rápida"));
    b.unir(2, QStringLiteral("Lenta"));
    b.unir(3, QStringLiteral("Tres"));
    b.unir(4, QStringLiteral("Mira"));
    // Three questions, right answer B (1). Phone 3 gets all three; 1 and 2
    // two each, 1 sooner; phone 4 never answers.
    const int tiempos[3][3] = {{1000, 3000, 5000}, {2000, 2500, 9000}, {9000, 9000, 9000}};
    for (int q = 0; q < 3; ++q) {
        b.pregunta();
        QVERIFY(!b.ultimo(1, "pregunta").contains("correcta")); // never before judging
        qint64 t0 = b.reloj.t;
        for (int p = 0; p < 3; ++p) {
            b.reloj.t = t0 + tiempos[q][p];
            const bool bien = p == 2 || q < 2;
            b.decir(p + 1, {{"t", "respuesta"}, {"r", bien ? 1 : 3}});
        }
        b.sala.juzgar(1, 0, Juicio::Fallo);
        b.decir(1, {{"t", "respuesta"}, {"r", 3}}); // too late: closed on judging
        QCOMPARE(b.ultimo(3, "juicio").value("tusAciertos").toInt(), q + 1);
    }
    QCOMPARE(votos.count(), 0); // nothing of it reaches the board during play
    QVERIFY(mejores.isEmpty());
    b.sala.terminarJuego();
    QCOMPARE(mejores.count(), 1);
    const auto l = mejores.first().first().value<QList<PuestoEnSala>>();
    QCOMPARE(l.size(), 3);
    QCOMPARE(l[0].nombre, QStringLiteral("Tres"));
    QCOMPARE(l[0].puntos, QStringLiteral("3 aciertos"));
    QCOMPARE(l[1].nombre, QStringLiteral("Rápida"));
    QCOMPARE(l[2].nombre, QStringLiteral("Lenta"));
    QCOMPARE(l[2].puntos, QStringLiteral("2 aciertos"));
    QCOMPARE(b.ultimo(2, "clasificacion").value("tuPuesto").toInt(), 3);
    QCOMPARE(b.ultimo(4, "clasificacion").value("lista").toArray().size(), 3);
    // The next player's game starts the room from nothing.
    QVERIFY(b.sala.clasificacion().isEmpty());
}

void TstSala::vuelta() {
    // A phone that drops keeps its name and score with its token.
    Banco b;
    b.sala.setJuega(true);
    const QString ficha = b.unir(1, QStringLiteral("Eva"));
    b.pregunta();
    b.decir(1, {{"t", "respuesta"}, {"r", 2}});
    b.sala.cerrada(1);
    QCOMPARE(b.sala.conectados(), 0);
    b.unir(2, QStringLiteral("Otro"), QStringLiteral("10.0.0.9"), ficha);
    QCOMPARE(b.ultimo(2, "bienvenida").value("nombre").toString(), QStringLiteral("Eva"));
    QCOMPARE(b.ultimo(2, "tuRespuesta").value("r").toInt(), 2); // where it was
    b.sala.juzgar(2, 2, Juicio::Acierto);
    // The same token on a third connection takes over from the second.
    b.unir(3, {}, QStringLiteral("10.0.0.9"), ficha);
    QCOMPARE(b.echados, QList<int>{2});
    QCOMPARE(b.sala.conectados(), 1);
    QCOMPARE(b.sala.telefonos(), 1);
    QCOMPARE(b.sala.clasificacion().value(0).puntos, QStringLiteral("1 acierto"));
    // A made-up token is a new phone, not someone else's.
    QVERIFY(b.unir(4, {}, QStringLiteral("10.0.0.9"), QString(32, u'0')) != ficha);
}

void TstSala::cupos_data() {
    QTest::addColumn<int>("porDireccion");
    QTest::addColumn<int>("enTotal");
    QTest::addColumn<int>("direcciones");
    QTest::addColumn<int>("cadaUna");
    QTest::addColumn<int>("dentro");
    QTest::newRow("one address, its cap") << 12 << 600 << 1 << 50 << 12;
    QTest::newRow("300 phones fit") << 12 << 600 << 300 << 1 << 300;
    QTest::newRow("many addresses, the total") << 12 << 600 << 100 << 10 << 600;
    QTest::newRow("narrow") << 2 << 5 << 3 << 3 << 5;
}

void TstSala::cupos() {
    QFETCH(int, porDireccion);
    QFETCH(int, enTotal);
    QFETCH(int, direcciones);
    QFETCH(int, cadaUna);
    QFETCH(int, dentro);
    RelojFalso reloj;
    Limites l;
    l.conexionesPorDireccion = porDireccion;
    l.conexionesEnTotal = enTotal;
    Porteria p(l, reloj);
    for (int d = 0; d < direcciones; ++d)
        for (int i = 0; i < cadaUna; ++i)
            p.entrar(QStringLiteral("10.1.%1.%2").arg(d / 256).arg(d % 256));
    QCOMPARE(p.dentro(), dentro);
    // One leaving makes room for one more from there.
    const QString a = QStringLiteral("10.1.0.0");
    const int antes = p.dentroDe(a);
    p.salir(a);
    QVERIFY(p.entrar(a));
    QCOMPARE(p.dentroDe(a), antes);
    QCOMPARE(p.dentro(), dentro);
}

void TstSala::mensajes() {
    // A phone's messages: too long, or too many at once, and it is dropped;
    // a steady pace is fine.
    Banco b;
    b.unir(1);
    b.sala.recibir(1, QStringLiteral(R"({"t":"voto","r":1,"x":"%1"})").arg(QString(b.l.mensajeMaximo, u'x')));
    QCOMPARE(b.echados, QList<int>{1});
    b.echados.clear();
    b.unir(2, {}, QStringLiteral("10.0.0.2"));
    for (int i = 0; i < 200; ++i) {
        b.reloj.t += 250; // four a second
        b.decir(2, {{"t", "nada"}});
    }
    QVERIFY(b.echados.isEmpty());
    b.reloj.t += 10'000; // a full burst again
    for (int i = 0; i < int(b.l.rafagaDeMensajes); ++i)
        b.decir(2, {{"t", "nada"}});
    QVERIFY(b.echados.isEmpty());
    b.decir(2, {{"t", "nada"}});
    QCOMPARE(b.echados, QList<int>{2});
}

QTEST_GUILESS_MAIN(TstSala)
#include "tst_sala.moc"
