#include "Modulo.h"
#include "Turno.h"

#include <QtTest>

using Turno::Tras;

class TstTurno : public QObject {
    Q_OBJECT

    static Modulo partida(int total, bool continuo, std::initializer_list<bool> enJuego = {})
    {
        Modulo m;
        m.TotalJugadores = qint16(total);
        m.ContinuousPlay = continuo;
        int i = 0;
        for (bool e : enJuego)
            m.Jugadores[size_t(i++)].EnJuego = e;
        return m;
    }

private slots:
    void siguienteActivo_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("actual");
        QTest::addColumn<QList<bool>>("enJuego");
        QTest::addColumn<int>("esperado");
        QTest::newRow("two, other in") << 2 << 0 << QList<bool>{true, true} << 1;
        QTest::newRow("two, wraps to 0") << 2 << 1 << QList<bool>{true, true} << 0;
        QTest::newRow("other out, same again") << 2 << 0 << QList<bool>{true, false} << 0;
        QTest::newRow("nobody left") << 3 << 1 << QList<bool>{false, false, false} << -1;
        QTest::newRow("skips the ones out") << 4 << 0 << QList<bool>{false, false, false, true} << 3;
        QTest::newRow("only looks at players taking part") << 2 << 1 << QList<bool>{false, false, true} << -1;
        QTest::newRow("one player") << 1 << 0 << QList<bool>{true} << 0;
    }
    void siguienteActivo()
    {
        QFETCH(int, total);
        QFETCH(int, actual);
        QFETCH(QList<bool>, enJuego);
        QFETCH(int, esperado);
        Modulo m = partida(total, false);
        for (int i = 0; i < 6; ++i)
            m.Jugadores[size_t(i)].EnJuego = i < enJuego.size() && enJuego[i];
        m.JugadorActual = qint16(actual);
        QCOMPARE(int(Turno::SiguienteActivo(m)), esperado);
    }

    void siguienteContinuo()
    {
        Modulo m = partida(1, true);
        QCOMPARE(Turno::Siguiente(m), Tras::BotonSiguiente);
        m.jumpNext = true;
        QCOMPARE(Turno::Siguiente(m), Tras::PreguntaYa);
        m.Jugadores[0].EnJuego = false;
        QCOMPARE(Turno::Siguiente(m), Tras::OtroJugador);  // game over wins over jumpNext
        QCOMPARE(int(m.JugadorActual), 0);                  // moved only by SiguienteJugador
    }

    void siguienteTurnos()
    {
        Modulo m = partida(2, false, {true, true});
        m.jumpNext = true;  // no effect when taking turns
        QCOMPARE(Turno::Siguiente(m), Tras::TurnoDe);
        QCOMPARE(int(m.JugadorActual), 1);
        m.Jugadores[0].EnJuego = false;
        QCOMPARE(Turno::Siguiente(m), Tras::TurnoDe);
        QCOMPARE(int(m.JugadorActual), 1);  // the same one again
        m.Jugadores[1].EnJuego = false;
        QCOMPARE(Turno::Siguiente(m), Tras::FinDePartida);
        QCOMPARE(int(m.JugadorActual), -1);
    }

    void siguienteJugador()
    {
        Modulo m = partida(3, true);
        m.JugadorActual = 0;
        auto a = Turno::SiguienteJugador(m);
        QVERIFY(!a.finDePartida);
        QCOMPARE(int(a.jugador), 1);
        m.JugadorActual = 2;
        a = Turno::SiguienteJugador(m);
        QVERIFY(a.finDePartida);
        QVERIFY(a.posiciones);
        QCOMPARE(int(m.JugadorActual), 3);  // while the standings are open
        Turno::TerminaSiguienteJugador(m, a);
        QCOMPARE(int(m.JugadorActual), 0);
    }

    void siguienteJugadorSolo()
    {
        Modulo m = partida(1, true);
        m.Jugadores[0].EnJuego = false;
        m.Jugadores[0].EstadoComodines = 7;
        m.Jugadores[0].Nombre = QStringLiteral("Ana");
        const auto a = Turno::SiguienteJugador(m);
        QVERIFY(a.finDePartida);
        QVERIFY(!a.posiciones);
        Turno::TerminaSiguienteJugador(m, a);
        QCOMPARE(int(m.JugadorActual), 0);
        QVERIFY(m.Jugadores[0].EnJuego);
        QCOMPARE(int(m.Jugadores[0].EstadoComodines), 0);
        QCOMPARE(m.Jugadores[0].Nombre, QStringLiteral("Ana"));  // names not reloaded
    }

    void siguientePregunta_data()
    {
        QTest::addColumn<int>("escalon");
        QTest::addColumn<int>("nuevo");
        QTest::addColumn<int>("nivel");
        QTest::newRow("0->1") << 0 << 1 << 1;
        QTest::newRow("3->4") << 3 << 4 << 2;
        QTest::newRow("6->7") << 6 << 7 << 3;
        QTest::newRow("9->10") << 9 << 10 << 4;
        QTest::newRow("12->13") << 12 << 13 << 5;
        QTest::newRow("13->14") << 13 << 14 << 5;
    }
    void siguientePregunta()
    {
        QFETCH(int, escalon);
        QFETCH(int, nuevo);
        QFETCH(int, nivel);
        Modulo m;
        m.Jugadores[0].Escalon = qint16(escalon);
        QCOMPARE(int(Turno::SiguientePregunta(m)), nivel);
        QCOMPARE(int(m.Jugadores[0].Escalon), nuevo);
    }

    void inicia()
    {
        Modulo m;
        m.JugadorActual = 2;
        m.TotalJugadores = 3;
        m.Jugadores[2].EnJuego = false;
        m.Jugadores[2].Escalon = 9;
        QCOMPARE(int(Turno::Inicia(m)), 1);
        QCOMPARE(int(m.Jugadores[2].Escalon), 1);
        QVERIFY(m.Jugadores[2].EnJuego);
    }
};

QTEST_APPLESS_MAIN(TstTurno)
#include "tst_Turno.moc"
