#include "Almacen.h"
#include "Arranque.h"
#include "Modulo.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Start-up reading of the settings store: defaults, the corrections the game
// makes on start, and junk that must never reach the players table.
class TstArranque : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<Almacen> nuevoAlmacen()
    {
        static int n = 0;
        return std::make_unique<Almacen>(dir_.filePath(QStringLiteral("a%1.ini").arg(++n)));
    }

private slots:
    void almacenVacioDaLosValoresDeOmision()
    {
        auto a = nuevoAlmacen();
        Modulo m;
        LeerAjustesInicio(m, *a);
        QCOMPARE(m.Actual, qint16(7));
        QCOMPARE(m.Music, qint16(38));
        QCOMPARE(m.Volume, qint16(0));
        QCOMPARE(m.TotalJugadores, qint16(1));
        QVERIFY(m.ContinuousPlay);
        QVERIFY(m.PreguntaCorta);
        QVERIFY(!m.FullMusicVersion);
        QVERIFY(!m.noSoundAnswer);
        QVERIFY(!m.jumpNext);
        QCOMPARE(m.noSoundAsk, 0);
        QCOMPARE(m.CarpetaMP3, QStringLiteral("\\MP3\\"));
        QCOMPARE(m.segundosPregunta(), qint16(30));
        for (int i = 0; i < Modulo::MaxJugadores; ++i) {
            QCOMPARE(m.Jugadores[size_t(i)].Nombre, QStringLiteral("Jugador %1").arg(i));
            QCOMPARE(m.Jugadores[size_t(i)].Escalon, qint16(0));
            QVERIFY(m.Jugadores[size_t(i)].EnJuego);
        }
        QVERIFY(!a->existe(QStringLiteral("Inicio"), QStringLiteral("Volume")));  // nothing written
    }

    void volumenPositivoSeCorrigeYSeGuarda()
    {
        auto a = nuevoAlmacen();
        a->escribir(QStringLiteral("Inicio"), QStringLiteral("Volume"), QStringLiteral("500"));
        Modulo m;
        LeerAjustesInicio(m, *a);
        QCOMPARE(m.Volume, qint16(0));
        QCOMPARE(a->leer(QStringLiteral("Inicio"), QStringLiteral("Volume"), QString()), QStringLiteral("0"));
    }

    void silencioGanaAlVolumenSinGuardarlo()
    {
        auto a = nuevoAlmacen();
        a->escribir(QStringLiteral("Inicio"), QStringLiteral("Volume"), QStringLiteral("-1200"));
        a->escribir(QStringLiteral("Inicio"), QStringLiteral("Silence"), QStringLiteral("1"));
        Modulo m;
        LeerAjustesInicio(m, *a);
        QCOMPARE(m.Volume, qint16(-10000));
        QCOMPARE(a->leer(QStringLiteral("Inicio"), QStringLiteral("Volume"), QString()), QStringLiteral("-1200"));
    }

    void carpetaYSegundos_data()
    {
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("corta");
        QTest::addColumn<QString>("carpeta");
        QTest::addColumn<int>("segundos");
        QTest::newRow("sin música larga, corta guardada falsa") << "False" << "False" << "\\MP3\\" << 30;
        QTest::newRow("música larga y corta falsa") << "True" << "False" << "\\MP3_45\\" << 45;
        QTest::newRow("música larga y corta") << "True" << "True" << "\\MP3\\" << 30;
        QTest::newRow("booleanos como números") << "-1" << "0" << "\\MP3_45\\" << 45;
    }
    void carpetaYSegundos()
    {
        QFETCH(QString, full);
        QFETCH(QString, corta);
        auto a = nuevoAlmacen();
        a->escribir(QStringLiteral("Inicio"), QStringLiteral("FullMusicVersion"), full);
        a->escribir(QStringLiteral("Inicio"), QStringLiteral("PreguntaCorta"), corta);
        Modulo m;
        LeerAjustesInicio(m, *a);
        QTEST(m.CarpetaMP3, "carpeta");
        QTEST(int(m.segundosPregunta()), "segundos");
    }

    void actualPorEncimaDeMusicSeRecorta()
    {
        auto a = nuevoAlmacen();
        a->escribir(QStringLiteral("Inicio"), QStringLiteral("Actual"), QStringLiteral("40"));
        Modulo m;
        LeerAjustesInicio(m, *a);
        QCOMPARE(m.Actual, qint16(38));
        QCOMPARE(a->leer(QStringLiteral("Inicio"), QStringLiteral("Actual"), QStringLiteral("?")), QStringLiteral("40"));
    }

    void valoresBasuraVuelvenALaOmision_data()
    {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("valor");
        QTest::newRow("total cero") << "Total" << "0";
        QTest::newRow("total siete") << "Total" << "7";
        QTest::newRow("total negativo") << "Total" << "-3";
        QTest::newRow("total texto") << "Total" << "muchos";
        QTest::newRow("total enorme") << "Total" << "99999999999";
    }
    void valoresBasuraVuelvenALaOmision()
    {
        QFETCH(QString, clave);
        QFETCH(QString, valor);
        auto a = nuevoAlmacen();
        a->escribir(QStringLiteral("Players"), clave, valor);
        a->escribir(QStringLiteral("Inicio"), QStringLiteral("Volume"), QStringLiteral("fuerte"));
        a->escribir(QStringLiteral("Inicio"), QStringLiteral("ContinuousPlay"), QStringLiteral("quizás"));
        Modulo m;
        LeerAjustesInicio(m, *a);
        QCOMPARE(m.TotalJugadores, qint16(1));
        QCOMPARE(m.Volume, qint16(0));
        QVERIFY(m.ContinuousPlay);
        QVERIFY(m.jugador(6) == nullptr);
        QVERIFY(m.jugador(-1) == nullptr);
    }

    void nombresGuardadosYReinicio()
    {
        auto a = nuevoAlmacen();
        a->escribir(QStringLiteral("Players"), QStringLiteral("2"), QStringLiteral("Ana"));
        a->escribir(QStringLiteral("Players"), QStringLiteral("Total"), QStringLiteral("3"));
        Modulo m;
        LeerAjustesInicio(m, *a);
        QCOMPARE(m.TotalJugadores, qint16(3));
        QCOMPARE(m.Jugadores[2].Nombre, QStringLiteral("Ana"));
        QCOMPARE(m.Jugadores[1].Nombre, QStringLiteral("Jugador 1"));
        m.Jugadores[2].Escalon = 9;
        m.Jugadores[2].EnJuego = false;
        m.Jugadores[2].EstadoComodines = 5;
        a->escribir(QStringLiteral("Players"), QStringLiteral("2"), QStringLiteral("Bea"));
        ReiniciarJugadores(m, *a);
        QCOMPARE(m.Jugadores[2].Nombre, QStringLiteral("Bea"));
        QCOMPARE(m.Jugadores[2].Escalon, qint16(0));
        QVERIFY(m.Jugadores[2].EnJuego);
        QCOMPARE(m.Jugadores[2].EstadoComodines, qint16(0));
    }

    void recargarDeshaceLoProbado()
    {
        auto a = nuevoAlmacen();
        a->escribir(QStringLiteral("Inicio"), QStringLiteral("Silence"), QStringLiteral("1"));
        a->escribir(QStringLiteral("Inicio"), QStringLiteral("PreguntaCorta"), QStringLiteral("False"));
        Modulo m;
        LeerAjustesInicio(m, *a);
        m.Volume = -300;
        m.jumpNext = true;
        m.Actual = 20;
        RecargarAjustes(m, *a);
        QCOMPARE(m.Volume, qint16(-10000));
        QVERIFY(!m.jumpNext);
        QVERIFY(m.PreguntaCorta);  // the long music is not installed
        QCOMPARE(m.CarpetaMP3, QStringLiteral("\\MP3\\"));
        QCOMPARE(m.Actual, qint16(20));  // the rotation is not a setting the window touches
    }
};

QTEST_GUILESS_MAIN(TstArranque)
#include "tst_arranque.moc"
