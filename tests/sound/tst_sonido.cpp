#include "Modulo.h"
#include "Sonido.h"
#include "fakes/ReproductorFalso.h"

#include <QTest>

namespace {
const QString kCarpeta = QStringLiteral("/opt/orvalia");
}

class TstSonido : public QObject {
    Q_OBJECT

    struct Banco {
        Modulo m;
        QStringList log;
        ReproductorFalso mp1{QStringLiteral("MP1"), &log};
        ReproductorFalso mp2{QStringLiteral("MP2"), &log};
        Sonido s{m, mp1, mp2, kCarpeta};
        Banco()
        {
            m.Volume = -1234;
            log.clear();
            mp1.olvida();
            mp2.olvida();
        }
    };

private slots:
    void tocaEligeArchivoYVolumen_data()
    {
        QTest::addColumn<int>("snd");
        QTest::addColumn<bool>("noSoundAnswer");
        QTest::addColumn<int>("noSoundAsk");
        QTest::addColumn<QString>("carpetaMP3");
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<int>("volumen");

        const QString mp3 = QStringLiteral("\\MP3\\");
        QTest::newRow("3 plain") << 3 << false << 0 << mp3 << "/opt/orvalia/MP3/sonido3.mp3" << -1234;
        QTest::newRow("3 unaffected by both switches") << 3 << true << 1 << mp3 << "/opt/orvalia/MP3/sonido3.mp3" << -1234;
        QTest::newRow("2 audible") << 2 << false << 1 << mp3 << "/opt/orvalia/MP3/sonido2.mp3" << -1234;
        QTest::newRow("2 silenced") << 2 << true << 0 << mp3 << "/opt/orvalia/MP3/sonido2.mp3" << -10000;
        QTest::newRow("7 audible") << 7 << true << 0 << mp3 << "/opt/orvalia/MP3/sonido7.mp3" << -1234;
        QTest::newRow("7 silenced by any non-zero") << 7 << false << -3 << mp3 << "/opt/orvalia/MP3/sonido7.mp3" << -10000;
        QTest::newRow("0 long folder") << 0 << false << 0 << "\\MP3_45\\" << "/opt/orvalia/MP3_45/sonido0.mp3" << -1234;
        QTest::newRow("6 forward slashes") << 6 << false << 0 << "/MP3/" << "/opt/orvalia/MP3/sonido6.mp3" << -1234;
    }
    void tocaEligeArchivoYVolumen()
    {
        QFETCH(int, snd);
        QFETCH(bool, noSoundAnswer);
        QFETCH(int, noSoundAsk);
        QFETCH(QString, carpetaMP3);
        QFETCH(QString, archivo);
        QFETCH(int, volumen);

        Banco b;
        b.m.noSoundAnswer = noSoundAnswer;
        b.m.noSoundAsk = noSoundAsk;
        b.m.CarpetaMP3 = carpetaMP3;
        b.s.Toca(snd);
        QCOMPARE(b.mp1.llamadas, (QStringList{"setArchivo " + archivo, "setVolumen " + QString::number(volumen),
                                              QStringLiteral("reproducir")}));
        QVERIFY(b.mp2.llamadas.isEmpty());
    }

    void rotacion_data()
    {
        QTest::addColumn<int>("actual");
        QTest::addColumn<int>("music");
        QTest::addColumn<QStringList>("piezas");
        QTest::addColumn<int>("actualAlFinal");

        QTest::newRow("38 wraps to 7") << 38 << 38 << QStringList{"38", "7", "8"} << 9;
        QTest::newRow("from the middle") << 20 << 22 << QStringList{"20", "21", "22", "7"} << 8;
        QTest::newRow("music below 7") << 5 << 5 << QStringList{"5", "7", "7"} << 7;
        QTest::newRow("only one piece") << 7 << 7 << QStringList{"7", "7"} << 7;
        QTest::newRow("no overflow at the top") << 32767 << 32767 << QStringList{"32767", "7"} << 8;
    }
    void rotacion()
    {
        QFETCH(int, actual);
        QFETCH(int, music);
        QFETCH(QStringList, piezas);
        QFETCH(int, actualAlFinal);

        Banco b;
        b.m.Actual = qint16(actual);
        b.m.Music = qint16(music);
        b.m.noSoundAsk = 1;  // a silenced question piece still advances the rotation
        QStringList tocadas;
        for (qsizetype i = 0; i < piezas.size(); ++i) {
            b.s.Toca(7);
            tocadas << b.mp1.archivo.section(QStringLiteral("sonido"), 1).chopped(4);
            QCOMPARE(b.mp1.volumen, -10000);
        }
        QCOMPARE(tocadas, piezas);
        QCOMPARE(int(b.m.Actual), actualAlFinal);
    }

    void otrasPiezasNoTocanLaRotacion()
    {
        Banco b;
        b.m.Actual = 12;
        for (int snd : {0, 2, 3, 4, 5, 6})
            b.s.Toca(snd);
        QCOMPARE(int(b.m.Actual), 12);
        QCOMPARE(b.s.SiguientePista(), QStringLiteral("12"));
        QCOMPARE(int(b.m.Actual), 13);
    }

    void arranque()
    {
        // The board's load step: the tune, then sound 0, which holds it back until it ends.
        Banco b;
        b.s.IniciaMusica();
        QVERIFY(b.mp2.sonando);
        b.s.Toca(0);
        b.mp1.empieza();
        QVERIFY(!b.mp2.sonando);
        b.mp1.termina();
        QVERIFY(b.mp2.sonando);
        QCOMPARE(b.log, (QStringList{
                            "MP2 setVolumen -1234",
                            "MP2 setArchivo /opt/orvalia/MP3/sonido1.mp3",
                            "MP1 setArchivo /opt/orvalia/MP3/sonido0.mp3",
                            "MP1 setVolumen -1234",
                            "MP1 reproducir",
                            "MP2 detener",
                            "MP2 setPosicion 0",
                            "MP2 reproducir",
                        }));
    }

    void losReproductoresQuedanConfigurados()
    {
        Modulo m;
        ReproductorFalso mp1, mp2;
        mp1.autoInicio = true;
        Sonido s(m, mp1, mp2, kCarpeta);
        QVERIFY(!mp1.autoInicio);
        QVERIFY(mp2.autoInicio);
    }

    void dosTocaSeguidos()
    {
        Banco b;
        b.s.IniciaMusica();
        b.s.Toca(2);
        b.mp1.empieza();
        b.s.Toca(7);  // replaces the answer sting; no end for the dropped piece
        b.mp1.empieza();
        QVERIFY(!b.mp2.sonando);
        QVERIFY(b.mp1.archivo.endsWith(QStringLiteral("sonido7.mp3")));
        QCOMPARE(b.mp2.llamadas.count(QStringLiteral("reproducir")), 0);
        b.mp1.termina();
        QVERIFY(b.mp2.sonando);
        QCOMPARE(b.mp2.llamadas.count(QStringLiteral("reproducir")), 1);
        QCOMPARE(b.mp2.posicion, 0.0);
    }

    void piezaCalladaRetieneLaMusica()
    {
        Banco b;
        b.m.noSoundAnswer = true;
        b.s.IniciaMusica();
        b.s.Toca(2);
        b.mp1.empieza();
        QVERIFY(!b.mp2.sonando);
        b.mp1.termina();
        QVERIFY(b.mp2.sonando);
    }

    void finDeLaMusicaNoSeAtiende()
    {
        Banco b;
        b.s.IniciaMusica();
        b.mp2.olvida();
        b.mp2.termina();
        b.mp2.empieza();
        QVERIFY(b.mp1.llamadas.isEmpty());
        QVERIFY(b.mp2.llamadas.isEmpty());
    }

    void carpetaDeLaMusicaFijadaAlIniciar()
    {
        Banco b;
        b.s.IniciaMusica();
        b.m.CarpetaMP3 = QStringLiteral("\\MP3_45\\");  // the options window switched folders
        b.s.Toca(3);
        QCOMPARE(b.mp1.archivo, QStringLiteral("/opt/orvalia/MP3_45/sonido3.mp3"));
        b.mp1.empieza();
        b.mp1.termina();
        QCOMPARE(b.mp2.archivo, QStringLiteral("/opt/orvalia/MP3/sonido1.mp3"));
        QCOMPARE(b.mp2.llamadas.filter(QStringLiteral("setArchivo")).size(), 1);
    }

    void volumenAlInstante()
    {
        Banco b;
        b.s.IniciaMusica();
        b.s.Toca(3);
        b.m.Volume = -2500;
        b.s.AplicaVolumen();
        QCOMPARE(b.mp1.volumen, -2500);
        QCOMPARE(b.mp2.volumen, -2500);
        QVERIFY(b.mp1.sonando);  // no restart for a volume change
        QCOMPARE(b.mp1.llamadas.count(QStringLiteral("reproducir")), 1);
    }
};

QTEST_GUILESS_MAIN(TstSonido)
#include "tst_sonido.moc"
