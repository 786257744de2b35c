#include "ArnesTablero.h"
#include "Comodines.h"
#include "Estadisticas.h"

// The lifelines as the board runs them, and the keyboard.
class TstTableroComodines : public QObject {
    Q_OBJECT

    static QList<bool> visibles(const ArnesTablero& a)
    {
        QList<bool> v;
        for (Resp* r : a.el().Resp1)
            v << !r->isHidden();
        return v;
    }
    static int veces(const QList<int>& l, int x) { return int(l.count(x)); }

private slots:
    void init() { Azar::global().sembrar(11); }
    void cleanup() { Azar::global().sinGuion(); }

    void cadaJugadorSusComodines()
    {
        ArnesTablero a([](Almacen& s) {
            s.escribir(QStringLiteral("Players"), QStringLiteral("Total"), QStringLiteral("2"));
            s.escribir(QStringLiteral("Inicio"), QStringLiteral("ContinuousPlay"), QStringLiteral("False"));
        });
        a.iniciar();
        const qint32 antes = a.qtn().ID();
        a.tecla(Qt::Key_N);  // player 0 skips
        QVERIFY(a.qtn().ID() != antes);
        QCOMPARE(int(a.el().comod->Situation()), 2);
        QCOMPARE(int(a.m.Jugadores[0].EstadoComodines), 2);
        QCOMPARE(int(a.jugador().Escalon), 1);  // the step stays
        a.acertar();
        a.siguiente();  // player 1
        QCOMPARE(int(a.el().comod->Situation()), 0);
        a.tecla(Qt::Key_Q);
        QCOMPARE(int(a.m.Jugadores[1].EstadoComodines), 1);
        a.acertar();
        a.siguiente();  // player 0 again: only the skip is gone
        QCOMPARE(int(a.el().comod->Situation()), 2);
        const qint32 id = a.qtn().ID();
        a.tecla(Qt::Key_N);  // already used
        QCOMPARE(a.qtn().ID(), id);
        a.tecla(Qt::Key_E);
        QCOMPARE(int(a.m.Jugadores[0].EstadoComodines), 6);
        QCOMPARE(int(a.m.Jugadores[1].EstadoComodines), 1);
    }

    void vuelvenEnLaPartidaSiguiente()
    {
        ArnesTablero a;
        a.iniciar();
        a.tecla(Qt::Key_N);
        a.tecla(Qt::Key_Q);
        a.fallar();  // one player: the match is over
        QCOMPARE(visibles(a), (QList<bool>{true, true, true, true}));  // the board waits with all four
        QCOMPARE(int(a.m.Jugadores[0].EstadoComodines), 0);
        QCOMPARE(int(a.el().comod->Situation()), 3);  // still shows the last game, disabled
        QVERIFY(!a.el().comod->isEnabled());
        a.iniciar();
        QCOMPARE(int(a.el().comod->Situation()), 0);
    }

    void quitaDos_data()
    {
        QTest::addColumn<double>("r");
        QTest::newRow("r=0") << 0.1;
        QTest::newRow("r=1") << 0.3;
        QTest::newRow("r=2") << 0.6;
        QTest::newRow("r=3") << 0.9;
    }
    void quitaDos()
    {
        QFETCH(double, r);
        ArnesTablero a;
        a.iniciar();
        const int elegida = a.incorrecta();
        a.clicRespuesta(elegida);
        const int restante = a.t->timer().Restante();
        a.sonidos.clear();
        Azar::global().guion({r});
        a.tecla(Qt::Key_Q);
        const auto ocultas = Comodines::QuitaDos(a.correcta(), int(r * 4));
        QList<bool> esperado{true, true, true, true};
        for (qint16 k : ocultas)
            esperado[k] = false;
        QCOMPARE(visibles(a), esperado);
        QVERIFY(!a.el().Resp1[a.correcta()]->isHidden());
        QVERIFY(a.sonidos.isEmpty());
        QVERIFY(a.t->timer().Corriendo());
        QCOMPARE(a.t->timer().Restante(), restante);
        QCOMPARE(int(a.t->RespuestaElegida()), elegida);
        QVERIFY(a.el().cmdResponder->isVisible());
    }

    void laTeclaEligeUnaOculta()
    {
        ArnesTablero a;
        a.iniciar();
        a.tecla(Qt::Key_Q);
        int oculta = 0;
        while (!a.el().Resp1[size_t(oculta)]->isHidden())
            ++oculta;
        a.tecla(Qt::Key(Qt::Key_A + oculta));
        QCOMPARE(int(a.t->RespuestaElegida()), oculta);
        a.tecla(Qt::Key_Return);
        QCOMPARE(a.mensajes.size(), 1);  // judged as that (wrong) answer
        QCOMPARE(a.marcasAlMensaje.at(oculta), 3);
    }

    void saltoTrasQuitaDosMuestraCuatro()
    {
        ArnesTablero a;
        a.iniciar();
        a.tecla(Qt::Key_Q);
        QCOMPARE(visibles(a).count(true), 2);
        a.tecla(Qt::Key_N);
        QCOMPARE(visibles(a), (QList<bool>{true, true, true, true}));
        QCOMPARE(int(a.el().comod->Situation()), 3);
    }

    // A skip brings a question as every question comes: nothing marked and
    // no "Responder", so Enter or R out of habit does not lose the game; the
    // countdown running out still judges it.
    void saltoTrasElegirEmpiezaSinMarcar()
    {
        ArnesTablero a;
        a.iniciar();
        a.acertar();
        a.siguiente();
        a.clicRespuesta(a.correcta());
        a.sonidos.clear();
        a.tecla(Qt::Key_N);
        QCOMPARE(a.sonidos, QList<int>{7});
        QCOMPARE(int(a.t->RespuestaElegida()), -1);
        for (Resp* r : a.el().Resp1)
            QCOMPARE(int(r->Situation()), 0);
        QVERIFY(a.el().cmdResponder->isHidden());
        QCOMPARE(int(a.jugador().Escalon), 2);
        a.tecla(Qt::Key_Return);
        a.tecla(Qt::Key_R);
        a.responder();  // a click that reaches the hidden button anyway
        QVERIFY(a.mensajes.isEmpty());
        QVERIFY(a.t->timer().Corriendo());
        QVERIFY(a.el().Resp1[0]->isEnabled());
        a.agotarTiempo();
        QCOMPARE(a.mensajes,
                 QStringList{QStringLiteral("¡Respuesta incorrecta!\n Perdiste, Jugador 0.\nNo has ganado ningún punto.")});
        QCOMPARE(a.marcasAlMensaje.count(3), 0);
    }

    void encuestaSobreviveAlSaltoYSeCierraAlResponder()
    {
        ArnesTablero a;
        a.iniciar();
        a.sonidos.clear();
        a.tecla(Qt::Key_E);
        QCOMPARE(a.sonidos, QList<int>{7});
        QPointer<Estadisticas> e = a.t->estadisticas();
        QVERIFY(e);
        QVERIFY(e->isVisible());
        QVERIFY(a.t->timer().Corriendo());
        a.tecla(Qt::Key_N);
        QVERIFY(e && e->isVisible());
        a.tecla(Qt::Key_E);  // a second E: nothing
        QCOMPARE(veces(a.sonidos, 7), 2);  // the poll's and the skip's question music
        QCOMPARE(int(a.el().comod->Situation()), 6);
        a.acertar();
        QVERIFY(!a.t->estadisticas());
        QVERIFY(!e || !e->isVisible());
        QTRY_VERIFY(!e);  // unloaded, not only hidden
    }

    void encuestaSeCierraAlRetirarseYAlAgotarse()
    {
        ArnesTablero a;
        a.iniciar();
        a.tecla(Qt::Key_E);
        QVERIFY(a.t->estadisticas());
        a.retirarse();
        QVERIFY(!a.t->estadisticas());
        a.iniciar();
        a.tecla(Qt::Key_E);  // a new match: the poll is there again
        QVERIFY(a.t->estadisticas());
        a.agotarTiempo();
        QVERIFY(!a.t->estadisticas());
    }

    void rMinusculaEnLaEncuestaResponde()
    {
        ArnesTablero a;
        a.iniciar();
        a.clicRespuesta(a.correcta());
        a.tecla(Qt::Key_E);
        Estadisticas* e = a.t->estadisticas();
        QVERIFY(e);
        QTest::keyClick(e, 'r');
        QVERIFY(a.mensajes.isEmpty());
        QVERIFY(a.el().cmdSigPreg->isVisible());  // answered right
        QVERIFY(!a.t->estadisticas());
        // And a letter typed there chooses an answer on the board.
        a.siguiente();
        a.tecla(Qt::Key_E);
        QVERIFY(!a.t->estadisticas());  // the poll is used up
    }

    void letraEnLaEncuestaElige()
    {
        ArnesTablero a;
        a.iniciar();
        a.tecla(Qt::Key_E);
        QTest::keyClick(a.t->estadisticas(), 'c');
        QCOMPARE(int(a.t->RespuestaElegida()), 2);
        QVERIFY(a.t->estadisticas()->isVisible());  // stays open
    }

    // ---- Keyboard ----

    void enterSigueElOrdenDeLosBotones()
    {
        ArnesTablero a;
        a.tecla(Qt::Key_Return);  // only cmdIniciar: starts
        QVERIFY(!a.t->InicioVisible());
        QVERIFY(a.t->timer().Corriendo());
        a.tecla(Qt::Key_Return);  // nothing chosen, no button: nothing
        QVERIFY(a.t->timer().Corriendo());
        a.tecla(Qt::Key(Qt::Key_A + a.correcta()), Qt::ShiftModifier);
        a.tecla(Qt::Key_Enter);  // confirms
        QVERIFY(a.el().cmdSigPreg->isVisible());
        a.tecla(Qt::Key_Return);  // next question
        QCOMPARE(int(a.jugador().Escalon), 2);
    }

    void teclasSinEfectoEntrePreguntas()
    {
        ArnesTablero a;
        for (Qt::Key k : {Qt::Key_A, Qt::Key_D, Qt::Key_E, Qt::Key_N, Qt::Key_Q, Qt::Key_R, Qt::Key_S, Qt::Key_T})
            a.tecla(k);
        QVERIFY(a.t->InicioVisible());
        QCOMPARE(int(a.t->RespuestaElegida()), -1);
        QCOMPARE(int(a.el().comod->Situation()), 0);
        QCOMPARE(a.sonidos, QList<int>{0});
    }

    void teclasDeBotones()
    {
        ArnesTablero a;
        a.iniciar();
        a.tecla(Qt::Key_R);  // no answer chosen yet
        QVERIFY(a.t->timer().Corriendo());
        a.tecla(Qt::Key(Qt::Key_A + a.correcta()));
        a.tecla(Qt::Key_R);
        QVERIFY(a.el().cmdSigPreg->isVisible());
        a.tecla(Qt::Key_S);
        QCOMPARE(int(a.jugador().Escalon), 2);
        a.tecla(Qt::Key_T);
        QCOMPARE(a.mensajes.size(), 1);
        QVERIFY(a.mensajes.first().startsWith(QStringLiteral("Has decidido retirarte")));
    }

    void teclaDesdeUnControlConFoco()
    {
        ArnesTablero a;
        a.iniciar();
        QTest::keyClick(a.el().Resp1[3], Qt::Key_B);
        QCOMPARE(int(a.t->RespuestaElegida()), 1);
    }

    void altVMuestraElNumero()
    {
        ArnesTablero a;
        a.iniciar();
        QVERIFY(a.el().Label2->isHidden());
        a.tecla(Qt::Key_V);
        a.tecla(Qt::Key_V, Qt::ControlModifier);
        a.tecla(Qt::Key_V, Qt::AltModifier | Qt::ShiftModifier);
        QVERIFY(a.el().Label2->isHidden());
        a.tecla(Qt::Key_V, Qt::AltModifier);
        QVERIFY(!a.el().Label2->isHidden());
        QCOMPARE(a.el().Label2->text(), QString::number(a.qtn().ID()));
        a.tecla(Qt::Key_V, Qt::AltModifier);
        QVERIFY(a.el().Label2->isHidden());
    }

    void f12SoloConElBotonDeOpciones()
    {
        ArnesTablero a;
        int opciones = 0;
        a.t->mostrarOpciones = [&] { ++opciones; };
        a.tecla(Qt::Key_F12);
        QCOMPARE(opciones, 1);
        a.iniciar();
        a.tecla(Qt::Key_F12);
        QCOMPARE(opciones, 1);
    }

    void altF4CierraYDescarga()
    {
        ArnesTablero a;
        a.m.Actual = 21;
        int cierre = 0;
        a.t->mostrarCierre = [&] {
            ++cierre;
            QVERIFY(!a.t->isVisible());
            QVERIFY(!a.t->Qtn());
        };
        a.iniciar();
        a.tecla(Qt::Key_E);
        a.tecla(Qt::Key_F4);
        a.tecla(Qt::Key_F4, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(cierre, 0);
        a.tecla(Qt::Key_F4, Qt::AltModifier);
        QCOMPARE(cierre, 1);
        QVERIFY(!a.t->estadisticas());
        QCOMPARE(a.almacen.leer(QStringLiteral("Inicio"), QStringLiteral("Actual"), QString()),
                 QStringLiteral("23"));  // two pieces of question music since
        // The question shown was counted and written back.
        auto releida = Pregunta::Crear(a.carpetaBase());
        QVERIFY(releida);
        int vistas = 0;
        for (const FilaBase& f : releida->Base())
            vistas += int(f[FilaBase::Veces].numero());
        QCOMPARE(vistas, 1);
    }
};

QTEST_MAIN(TstTableroComodines)
#include "tst_TableroComodines.moc"
