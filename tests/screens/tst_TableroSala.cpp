#include "ArnesTablero.h"
#include "Estadisticas.h"
#include "fakes/PublicoFalso.h"

#include <QLabel>

// The board telling the room of phones what happens, and the poll lifeline
// with the room's votes.
class TstTableroSala : public QObject {
    Q_OBJECT

    // A board on a room; the calls the load step made are forgotten.
    struct Sala {
        PublicoFalso p;
        ArnesTablero a;
        int llamadasAlMensaje = -1;  // how many calls the room had when the message window opened
        explicit Sala(std::function<void(Almacen&)> ajustes = {}) : a(std::move(ajustes), 5, &p)
        {
            QObject::connect(a.t.get(), &Tablero::mensaje, [this] { llamadasAlMensaje = int(p.llamadas.size()); });
        }
    };

private slots:
    void init() { Azar::global().sinGuion(); }

    void preguntaComoLaMuestraElTablero()
    {
        Sala s;
        QVERIFY(s.a.cargado);
        QVERIFY(s.p.llamadas.isEmpty());
        s.a.iniciar();
        QCOMPARE(s.p.llamadas, QStringList{"pregunta"});
        const PreguntaEnSala& p = s.p.preguntas.last();
        QCOMPARE(p.jugador, QStringLiteral("Jugador 0"));
        QCOMPARE(p.escalon, 1);
        QCOMPARE(p.puntos, QStringLiteral("1"));
        QCOMPARE(p.enunciado, s.a.qtn().Enunciado());
        QCOMPARE(p.segundos, 30);
        // In the board's own order: nothing tells the right one apart.
        for (size_t k = 0; k < 4; ++k)
            QCOMPARE(p.respuestas[k], s.a.el().Resp1[k]->Caption());

        // A few questions up, a skip brings the new one at the same step.
        s.a.acertar();
        s.a.siguiente();
        s.a.acertar();
        s.a.siguiente();
        s.a.acertar();
        s.a.siguiente();
        const QString antes = s.p.preguntas.last().enunciado;
        s.a.tecla(Qt::Key_N);
        QCOMPARE(s.p.preguntas.size(), 5);
        QCOMPARE(s.p.preguntas.last().escalon, 4);
        QCOMPARE(s.p.preguntas.last().puntos, QStringLiteral("5"));
        QVERIFY(s.p.preguntas.last().enunciado != antes);
        QCOMPARE(s.p.preguntas.last().enunciado, s.a.qtn().Enunciado());
    }

    void quitaDosDiceCuales_data()
    {
        QTest::addColumn<double>("r");
        QTest::newRow("r=0") << 0.1;
        QTest::newRow("r=3") << 0.9;
    }
    void quitaDosDiceCuales()
    {
        QFETCH(double, r);
        Sala s;
        s.a.iniciar();
        Azar::global().guion({r});
        s.a.tecla(Qt::Key_Q);
        QString ocultas;
        for (Resp* x : s.a.el().Resp1)
            ocultas += x->isHidden() ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(ocultas.count(QLatin1Char('1')), 2);
        QCOMPARE(s.p.de("quitadas"), QStringList{"quitadas " + ocultas});
        QVERIFY(!s.p.quitadas[size_t(s.a.correcta())]);
    }

    void juicio_data()
    {
        QTest::addColumn<QString>("como");
        QTest::addColumn<QString>("juicio");   // the chosen answer as C (right), W (wrong) or -1
        QTest::addColumn<bool>("terminado");
        QTest::newRow("acierto") << "acertar" << "C acierto" << false;
        QTest::newRow("fallo") << "fallar" << "W fallo" << true;
        QTest::newRow("tiempo sin elegir") << "tiempo" << "-1 fallo" << true;
        QTest::newRow("tiempo con la buena") << "tiempo buena" << "C acierto" << false;
        QTest::newRow("retiro") << "retiro" << "-1 retiro" << true;
        QTest::newRow("retiro con la mala") << "retiro mala" << "W retiro" << true;
    }
    void juicio()
    {
        QFETCH(QString, como);
        QFETCH(QString, juicio);
        QFETCH(bool, terminado);
        Sala s;
        s.a.iniciar();
        const int c = s.a.correcta(), w = s.a.incorrecta();
        s.p.llamadas.clear();
        if (como == QLatin1String("acertar"))
            s.a.acertar();
        else if (como == QLatin1String("fallar"))
            s.a.fallar();
        else if (como.startsWith(QLatin1String("tiempo"))) {
            if (como.endsWith(QLatin1String("buena")))
                s.a.clicRespuesta(c);
            s.a.agotarTiempo();
        } else {
            if (como.endsWith(QLatin1String("mala")))
                s.a.clicRespuesta(w);
            s.a.retirarse();
        }
        juicio.replace(QLatin1Char('C'), QString::number(c)).replace(QLatin1Char('W'), QString::number(w));
        QStringList esperado{QStringLiteral("juzgada %1 %2").arg(c).arg(juicio)};
        if (terminado)
            esperado << QStringLiteral("juego");
        QCOMPARE(s.p.llamadas, esperado);
        // The phones know before the board's message is up.
        if (!s.a.mensajes.isEmpty())
            QCOMPARE(s.llamadasAlMensaje, 1);
        QCOMPARE(s.p.posiciones.size(), 0);  // one player: no standings
    }

    void premioMayorTerminaElJuego()
    {
        Sala s;
        s.a.iniciar();
        for (int paso = 1; paso < 15; ++paso) {
            s.a.acertar();
            s.a.siguiente();
        }
        s.p.llamadas.clear();
        s.a.acertar();
        QCOMPARE(s.p.llamadas, (QStringList{QStringLiteral("juzgada %1 %1 acierto").arg(s.a.correcta()), "juego"}));
    }

    void posicionesAlFinDeLaPartida_data()
    {
        QTest::addColumn<bool>("seguido");
        QTest::newRow("seguido") << true;
        QTest::newRow("alternado") << false;
    }
    void posicionesAlFinDeLaPartida()
    {
        QFETCH(bool, seguido);
        Sala s([seguido](Almacen& al) {
            al.escribir(QStringLiteral("Players"), QStringLiteral("Total"), QStringLiteral("2"));
            al.escribir(QStringLiteral("Players"), QStringLiteral("0"), QStringLiteral("<b>Ana</b>"));
            al.escribir(QStringLiteral("Players"), QStringLiteral("1"), QStringLiteral("Beto"));
            al.escribir(QStringLiteral("Inicio"), QStringLiteral("ContinuousPlay"), seguido ? "True" : "False");
        });
        // Ana loses at once; Beto wins a step, then walks away with 1 point.
        s.a.iniciar();
        s.a.fallar();
        if (seguido)
            s.a.iniciar();
        else
            s.a.siguiente();
        s.a.acertar();
        s.a.siguiente();
        QVERIFY(s.p.de("partida").isEmpty());
        s.a.retirarse();
        QCOMPARE(s.a.posiciones, 1);
        QCOMPARE(s.p.de("partida").size(), 1);
        QCOMPARE(s.p.de("juego").size(), 2);
        QCOMPARE(s.p.posiciones.size(), 2);
        QCOMPARE(s.p.posiciones[0].nombre, QStringLiteral("Beto"));
        QCOMPARE(s.p.posiciones[0].puntos, QStringLiteral("1"));
        QCOMPARE(s.p.posiciones[1].nombre, QStringLiteral("<b>Ana</b>"));
        QCOMPARE(s.p.posiciones[1].puntos, QStringLiteral("0"));
        // After the standings the room hears of the next match's question.
        s.a.iniciar();
        QCOMPARE(s.p.llamadas.last(), QStringLiteral("pregunta"));
        QCOMPARE(s.p.preguntas.last().jugador, QStringLiteral("<b>Ana</b>"));
    }

    // ---- The poll with the room ------------------------------------------

    void encuestaConVotos()
    {
        Sala s;
        s.p.votantes = true;
        s.p.estadoFalso.conectados = 3;
        s.a.iniciar();
        s.a.tecla(Qt::Key_E);
        QCOMPARE(s.p.de("abrir").size(), 1);
        Estadisticas* e = s.a.t->estadisticas();
        QVERIFY(e && e->isVisible());
        QCOMPARE(e->Votos(), QStringLiteral("Han votado 0 de 3"));
        QVERIFY(e->EsperaVotos());
        emit s.p.votosCambian(2, 3);
        QCOMPARE(e->Votos(), QStringLiteral("Han votado 2 de 3"));
        emit s.p.encuestaCerrada({1, 2, 4, 0});
        QVERIFY(!e->EsperaVotos());
        QCOMPARE(e->Votos(), QStringLiteral("Han votado 2 de 3"));
        QCOMPARE(e->Grafico().leyenda, (std::array<QString, 4>{"14%", "28%", "57%", "0%"}));
        QCOMPARE(e->Grafico().alto, (std::array<int, 4>{514, 1029, 2057, 0}));
        // A late count changes nothing once the vote has closed.
        emit s.p.votosCambian(3, 3);
        QCOMPARE(e->Votos(), QStringLiteral("Han votado 2 de 3"));
        // Closed by the room, there is nothing left to close.
        s.a.acertar();
        QVERIFY(s.p.de("cerrar").isEmpty());
    }

    void encuestaSinVotosEsLaDeSiempre()
    {
        Sala s;
        s.p.votantes = true;
        s.a.iniciar();
        s.a.tecla(Qt::Key_E);
        Estadisticas* e = s.a.t->estadisticas();
        QVERIFY(e);
        // Four plain draws and the right answer's: 0.999 x 1500 / 1 = 1498.5 -> 1498.
        Azar::global().guion({0.30, 0.60, 0.10, 0.50, 0.999});
        emit s.p.encuestaCerrada({0, 0, 0, 0});
        Encuesta::Pesos w{30, 60, 10, 50};
        w[size_t(s.a.correcta())] = 1498;
        QCOMPARE(e->Grafico().leyenda, Encuesta::Calcula(w)->leyenda);
        QCOMPARE(e->Grafico().alto, Encuesta::Calcula(w)->alto);
        QVERIFY(e->Votos().isEmpty());
        QVERIFY(!e->EsperaVotos());
    }

    void sinVotantesEsLaDeSiempre()
    {
        Sala s;
        s.a.iniciar();
        Azar::global().guion({0.30, 0.60, 0.10, 0.50, 0.999});
        s.a.tecla(Qt::Key_E);
        QCOMPARE(s.p.de("abrir").size(), 1);
        Estadisticas* e = s.a.t->estadisticas();
        Encuesta::Pesos w{30, 60, 10, 50};
        w[size_t(s.a.correcta())] = 1498;
        QCOMPARE(e->Grafico().leyenda, Encuesta::Calcula(w)->leyenda);
        QVERIFY(e->Votos().isEmpty());
        s.a.acertar();
        QVERIFY(s.p.de("cerrar").isEmpty());  // there was no vote to close
    }

    void cerrarLaVentanaCierraLaVotacion_data()
    {
        QTest::addColumn<QString>("como");
        QTest::newRow("respuesta") << "responder";
        QTest::newRow("tiempo") << "tiempo";
        QTest::newRow("retiro") << "retiro";
    }
    void cerrarLaVentanaCierraLaVotacion()
    {
        QFETCH(QString, como);
        Sala s;
        s.p.votantes = true;
        s.a.iniciar();
        s.a.tecla(Qt::Key_E);
        s.p.llamadas.clear();
        if (como == QLatin1String("responder"))
            s.a.fallar();
        else if (como == QLatin1String("tiempo"))
            s.a.agotarTiempo();
        else
            s.a.retirarse();
        // Closed first of all, before the judgement.
        QVERIFY(!s.p.llamadas.isEmpty());
        QCOMPARE(s.p.llamadas.first(), QStringLiteral("cerrar"));
        QCOMPARE(s.p.de("cerrar").size(), 1);
        QVERIFY(!s.a.t->estadisticas());
        // Its tally arriving afterwards reaches nothing.
        emit s.p.encuestaCerrada({1, 0, 0, 0});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        emit s.p.encuestaCerrada({1, 0, 0, 0});
    }
};

QTEST_MAIN(TstTableroSala)
#include "tst_TableroSala.moc"
