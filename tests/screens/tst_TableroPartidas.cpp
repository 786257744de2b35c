#include "ArnesTablero.h"
#include "EtiquetaNombre.h"
#include "PuntajePuntos.h"

// Whole games on the real board, played with the mouse.
class TstTableroPartidas : public QObject {
    Q_OBJECT

    static QList<int> estados(const ArnesTablero& a)
    {
        QList<int> s;
        for (Resp* r : a.el().Resp1)
            s << r->Situation();
        return s;
    }
    // Climbs with right answers until the given step is the open one.
    static void subirHasta(ArnesTablero& a, int escalon)
    {
        a.iniciar();
        while (a.jugador().Escalon < escalon) {
            a.acertar();
            a.siguiente();
        }
    }

private slots:
    void init() { Azar::global().sembrar(7); }

    void loadStep_data()
    {
        QTest::addColumn<QString>("completa");  // FullMusicVersion
        QTest::addColumn<QString>("corta");     // PreguntaCorta
        QTest::addColumn<int>("segundos");
        QTest::newRow("short music") << "False" << "True" << 30;
        QTest::newRow("long music not installed") << "False" << "False" << 30;
        QTest::newRow("long music") << "True" << "False" << 45;
    }
    void loadStep()
    {
        QFETCH(QString, completa);
        QFETCH(QString, corta);
        QFETCH(int, segundos);
        ArnesTablero a([&](Almacen& s) {
            s.escribir(QStringLiteral("Inicio"), QStringLiteral("FullMusicVersion"), completa);
            s.escribir(QStringLiteral("Inicio"), QStringLiteral("PreguntaCorta"), corta);
        });
        QVERIFY(a.cargado);
        QCOMPARE(a.sonidos, QList<int>{0});
        QCOMPARE(int(a.t->timer().TiempoLimite()), segundos);
        QCOMPARE(a.el().lblJugador->text(), QStringLiteral("Jugador 0"));
        QVERIFY(a.t->InicioVisible());
        QVERIFY(!a.el().znBot->isEnabled());
        QVERIFY(!a.el().comod->isEnabled());
        QVERIFY(!a.el().Resp1[0]->isEnabled());
    }

    void unJugadorHastaLaCima()
    {
        ArnesTablero a;
        a.iniciar();
        QVERIFY(!a.t->InicioVisible());
        for (int paso = 1; paso <= 15; ++paso) {
            QCOMPARE(int(a.jugador().Escalon), paso);
            QCOMPARE(int(a.t->Nivel()), (paso - 1) / 3 + 1);
            QCOMPARE(int(a.el().Puntos1->NivelActual()), paso);
            QVERIFY(a.t->timer().Corriendo());
            QVERIFY(!a.el().cmdOpciones->isVisible());
            QVERIFY(a.el().cmdRetira->isVisible());
            a.sonidos.clear();
            a.acertar();
            if (paso < 15) {
                QCOMPARE(a.sonidos, QList<int>{2});
                QCOMPARE(estados(a).at(a.correcta()), 2);
                QVERIFY(a.el().cmdSigPreg->isVisible());
                QVERIFY(a.el().cmdOpciones->isVisible());
                QVERIFY(!a.el().Timer1->isVisible());
                a.siguiente();
            }
        }
        QCOMPARE(a.sonidos, (QList<int>{2, 4}));
        QCOMPARE(a.mensajes, QStringList{QStringLiteral("¡Felicitaciones, Jugador 0!\nLlegaste a los 10 000 puntos.")});
        QCOMPARE(a.caras, QList<int>{2});
        QCOMPARE(int(a.m.Jugadores[0].Escalon), 15);
        // One player: straight back to the start, no standings.
        QCOMPARE(a.posiciones, 0);
        QVERIFY(a.t->InicioVisible());
        QVERIFY(a.m.Jugadores[0].EnJuego);
        QCOMPARE(a.el().txtPregunta->text(), QString(20, QLatin1Char(' ')));
        QCOMPARE(int(a.el().Puntos1->NivelActual()), 0);
        for (Resp* r : a.el().Resp1) {
            QVERIFY(!r->isEnabled());
            QVERIFY(r->Caption().isEmpty());
        }
    }

    void fallaEnElOcho()
    {
        ArnesTablero a;
        subirHasta(a, 8);
        a.sonidos.clear();
        const int buena = a.correcta();
        const int mala = a.incorrecta();
        a.fallar();
        QCOMPARE(a.sonidos, QList<int>{3});
        QCOMPARE(a.mensajes,
                 QStringList{QStringLiteral("¡Respuesta incorrecta!\n Perdiste, Jugador 0.\nHas ganado 20 puntos.")});
        QCOMPARE(a.caras, QList<int>{3});
        QCOMPARE(int(a.m.Jugadores[0].Escalon), 6);
        QCOMPARE(a.marcasAlMensaje.at(buena), 2);
        QCOMPARE(a.marcasAlMensaje.at(mala), 3);
        QVERIFY(a.t->InicioVisible());
    }

    void cadaPreguntaConTodoElTiempo()
    {
        ArnesTablero a;
        a.iniciar();
        for (int i = 0; i < 5; ++i)
            a.t->timer().Tictac();
        a.acertar();
        a.siguiente();
        QCOMPARE(a.t->timer().Restante(), 30);
    }

    // The board shows the current player's name each time it becomes the
    // active window; between matches JugadorActual may be -1 or 6.
    void activacion_data()
    {
        QTest::addColumn<int>("actual");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("player 2") << 2 << "Cris";
        QTest::newRow("-1") << -1 << "antes";
        QTest::newRow("6") << 6 << "antes";
    }
    void activacion()
    {
        QFETCH(int, actual);
        QFETCH(QString, nombre);
        ArnesTablero a([](Almacen& s) {
            s.escribir(QStringLiteral("Players"), QStringLiteral("Total"), QStringLiteral("6"));
            s.escribir(QStringLiteral("Players"), QStringLiteral("2"), QStringLiteral("Cris"));
        });
        QWidget otra;
        otra.show();
        otra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&otra));
        a.el().lblJugador->setText(QStringLiteral("antes"));
        a.m.JugadorActual = qint16(actual);
        a.t->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.t.get()));
        QCOMPARE(a.el().lblJugador->text(), nombre);
    }

    void eligeDosVecesCuentaLaUltima()
    {
        ArnesTablero a;
        a.iniciar();
        QVERIFY(!a.el().cmdResponder->isVisible());
        a.clicRespuesta(a.incorrecta());
        QVERIFY(a.el().cmdResponder->isVisible());
        QCOMPARE(estados(a).at(a.incorrecta()), 1);
        a.clicRespuesta(a.correcta());
        QCOMPARE(estados(a).at(a.incorrecta()), 0);
        QCOMPARE(estados(a).at(a.correcta()), 1);
        a.responder();
        QVERIFY(a.mensajes.isEmpty());
        QCOMPARE(int(a.jugador().Escalon), 1);
    }

    void retiro_data()
    {
        QTest::addColumn<int>("escalon");
        QTest::addColumn<int>("eleccion");  // -1 none, 0 right, 1 wrong
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("queda");
        QTest::newRow("step 1") << 1 << -1 << "Has decidido retirarte, Jugador 0.\n\nNo ganaste nada." << 0;
        QTest::newRow("step 2, right one chosen")
            << 2 << 0
            << "Has decidido retirarte, Jugador 0.\nSin embargo, la respuesta que ibas a dar era buena.\n\n"
               "Has ganado sólo 1 punto."
            << 1;
        QTest::newRow("step 15, wrong one chosen")
            << 15 << 1
            << "Has decidido retirarte, Jugador 0.\nSuerte, pues la respuesta que ibas a dar estaba mal.\n\n"
               "Has ganado un total de 5 000 puntos."
            << 14;
    }
    void retiro()
    {
        QFETCH(int, escalon);
        QFETCH(int, eleccion);
        QFETCH(QString, mensaje);
        QFETCH(int, queda);
        ArnesTablero a;
        subirHasta(a, escalon);
        const int buena = a.correcta();
        if (eleccion >= 0)
            a.clicRespuesta(eleccion == 0 ? a.correcta() : a.incorrecta());
        const int elegida = a.t->RespuestaElegida();
        a.sonidos.clear();
        a.retirarse();
        QCOMPARE(a.sonidos, QList<int>{5});
        QCOMPARE(a.mensajes, QStringList{mensaje});
        QCOMPARE(a.caras, QList<int>{0});
        QCOMPARE(int(a.m.Jugadores[0].Escalon), queda);
        QList<int> marcas{0, 0, 0, 0};
        marcas[buena] = 2;
        if (elegida >= 0 && elegida != buena)
            marcas[elegida] = 3;
        QCOMPARE(a.marcasAlMensaje, marcas);
        QVERIFY(!a.el().comod->isEnabled());
        QVERIFY(a.t->InicioVisible());
    }

    void tiempoAgotado_data()
    {
        QTest::addColumn<int>("eleccion");  // -1 none, 0 right, 1 wrong
        QTest::newRow("nothing chosen") << -1;
        QTest::newRow("right one chosen, not confirmed") << 0;
        QTest::newRow("wrong one chosen, not confirmed") << 1;
    }
    void tiempoAgotado()
    {
        QFETCH(int, eleccion);
        ArnesTablero a;
        subirHasta(a, 8);
        const int buena = a.correcta();
        if (eleccion >= 0)
            a.clicRespuesta(eleccion == 0 ? a.correcta() : a.incorrecta());
        const int elegida = a.t->RespuestaElegida();
        a.agotarTiempo();
        QVERIFY(!a.el().Timer1->isVisible());
        if (eleccion == 0) {
            QVERIFY(a.mensajes.isEmpty());
            QCOMPARE(int(a.jugador().Escalon), 8);
            QVERIFY(a.el().cmdSigPreg->isVisible());
            return;
        }
        QCOMPARE(a.mensajes,
                 QStringList{QStringLiteral("¡Respuesta incorrecta!\n Perdiste, Jugador 0.\nHas ganado 20 puntos.")});
        QList<int> marcas{0, 0, 0, 0};
        marcas[buena] = 2;
        if (elegida >= 0)
            marcas[elegida] = 3;
        QCOMPARE(a.marcasAlMensaje, marcas);
        QCOMPARE(int(a.m.Jugadores[0].Escalon), 6);
    }

    void expiraFueraDeTiempoNoJuzga()
    {
        ArnesTablero a;
        a.iniciar();
        a.acertar();
        a.sonidos.clear();
        emit a.t->timer().Expira();  // a late expiry between questions
        QVERIFY(a.sonidos.isEmpty());  // not judged again
        QVERIFY(a.mensajes.isEmpty());
        QVERIFY(a.m.Jugadores[0].EnJuego);
        QCOMPARE(int(a.jugador().Escalon), 1);
    }

    void tresJugadoresSeguidos()
    {
        ArnesTablero a([](Almacen& s) {
            s.escribir(QStringLiteral("Players"), QStringLiteral("Total"), QStringLiteral("3"));
            s.escribir(QStringLiteral("Players"), QStringLiteral("1"), QStringLiteral("Bea"));
        });
        // Player 0 walks away at step 3, player 1 fails at 5, player 2 fails at 1.
        subirHasta(a, 3);
        a.retirarse();
        QCOMPARE(int(a.m.JugadorActual), 1);
        QCOMPARE(a.el().lblJugador->text(), QStringLiteral("Bea"));
        QVERIFY(a.t->InicioVisible());
        a.m.Jugadores[1].Nombre = QStringLiteral("cambiado");  // to see the names reloaded
        subirHasta(a, 5);
        a.fallar();
        QCOMPARE(int(a.m.JugadorActual), 2);
        QCOMPARE(a.posiciones, 0);
        a.iniciar();
        a.fallar();
        QCOMPARE(a.posiciones, 1);
        QCOMPARE(a.jugadoresEnPosiciones, 3);
        QCOMPARE(int(a.m.JugadorActual), 0);
        QCOMPARE(a.m.Jugadores[1].Nombre, QStringLiteral("Bea"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(int(a.m.Jugadores[size_t(i)].Escalon), 0);
            QVERIFY(a.m.Jugadores[size_t(i)].EnJuego);
        }
        QCOMPARE(a.el().lblJugador->text(), QStringLiteral("Jugador 0"));
        QVERIFY(a.t->InicioVisible());
        QCOMPARE(a.sonidos.mid(a.sonidos.size() - 2), (QList<int>{3, 6}));  // the standings play 6
    }

    void dosJugadoresPorTurnos()
    {
        ArnesTablero a([](Almacen& s) {
            s.escribir(QStringLiteral("Players"), QStringLiteral("Total"), QStringLiteral("2"));
            s.escribir(QStringLiteral("Inicio"), QStringLiteral("ContinuousPlay"), QStringLiteral("False"));
            s.escribir(QStringLiteral("Inicio"), QStringLiteral("jumpNext"), QStringLiteral("True"));
        });
        a.iniciar();
        a.acertar();  // player 0 right at 1
        QCOMPARE(int(a.m.JugadorActual), 1);
        QVERIFY(a.el().lblNextPlayer->isVisible());
        QCOMPARE(a.el().lblNextPlayer->text(), QStringLiteral("Jugador 1"));
        QCOMPARE(a.el().lblJugador->text(), QStringLiteral("Jugador 0"));
        QVERIFY(a.el().cmdSigPreg->isVisible());  // jumpNext plays no part in turns
        a.siguiente();
        QVERIFY(!a.el().lblNextPlayer->isVisible());
        QCOMPARE(a.el().lblJugador->text(), QStringLiteral("Jugador 1"));
        QCOMPARE(int(a.m.Jugadores[1].Escalon), 1);
        a.fallar();  // player 1 out
        QCOMPARE(a.el().lblNextPlayer->text(), QStringLiteral("Jugador 0"));
        a.siguiente();
        QCOMPARE(int(a.m.Jugadores[0].Escalon), 2);
        a.acertar();
        QCOMPARE(a.el().lblNextPlayer->text(), QStringLiteral("Jugador 0"));  // the same one again
        a.siguiente();
        QCOMPARE(int(a.jugador().Escalon), 3);
        QCOMPARE(a.posiciones, 0);
        a.fallar();
        QCOMPARE(a.posiciones, 1);
        QCOMPARE(a.jugadoresEnPosiciones, -1);
        QCOMPARE(int(a.m.JugadorActual), 0);
        QVERIFY(a.t->InicioVisible());
        QCOMPARE(a.el().lblJugador->text(), QStringLiteral("Jugador 0"));
        // The new match has both players again.
        a.iniciar();
        a.acertar();
        QCOMPARE(a.el().lblNextPlayer->text(), QStringLiteral("Jugador 1"));
    }

    void unJugadorPorTurnos()
    {
        ArnesTablero a([](Almacen& s) {
            s.escribir(QStringLiteral("Inicio"), QStringLiteral("ContinuousPlay"), QStringLiteral("False"));
        });
        a.iniciar();
        a.acertar();
        QCOMPARE(a.el().lblNextPlayer->text(), QStringLiteral("Jugador 0"));
        a.siguiente();
        a.fallar();
        QCOMPARE(a.posiciones, 0);
        QVERIFY(a.t->InicioVisible());
    }

    void nombreLargoConPuntosSuspensivos()
    {
        const QString largo = QStringLiteral("Maximiliano Fernandez de la Torre y Castillo");
        ArnesTablero a([&](Almacen& s) {
            s.escribir(QStringLiteral("Players"), QStringLiteral("0"), largo);
            s.escribir(QStringLiteral("Inicio"), QStringLiteral("ContinuousPlay"), QStringLiteral("False"));
        });
        a.iniciar();
        a.acertar();
        for (QLabel* l : {a.el().lblJugador, a.el().lblNextPlayer}) {
            auto* e = qobject_cast<EtiquetaNombre*>(l);
            QVERIFY(e);
            QCOMPARE(e->text(), largo);
            QVERIFY(e->TextoVisible().endsWith(QChar(0x2026)));
        }
        // Against the label's width at every size of the board.
        auto* jugador = qobject_cast<EtiquetaNombre*>(a.el().lblJugador);
        const QString antes = jugador->TextoVisible();
        a.t->resize(a.t->width() * 4 / 3, a.t->height() * 4 / 3);
        QVERIFY(jugador->TextoVisible().size() > antes.size());
        a.siguiente();
        a.fallar();
        QVERIFY(a.mensajes.value(0).contains(largo));  // the message has room for the whole name
    }

    void saltoAutomatico()
    {
        ArnesTablero a([](Almacen& s) {
            s.escribir(QStringLiteral("Inicio"), QStringLiteral("jumpNext"), QStringLiteral("True"));
        });
        a.iniciar();
        a.sonidos.clear();
        a.acertar();
        QCOMPARE(a.sonidos, (QList<int>{2, 7}));
        QCOMPARE(int(a.jugador().Escalon), 2);
        QVERIFY(!a.el().cmdSigPreg->isVisible());
        QVERIFY(a.t->timer().Corriendo());
        QVERIFY(a.el().Resp1[0]->isEnabled());
    }
};

QTEST_MAIN(TstTableroPartidas)
#include "tst_TableroPartidas.moc"
