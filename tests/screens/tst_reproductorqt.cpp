#include "HiloSonido.h"
#include "Modulo.h"
#include "ReproductorQt.h"
#include "Sonido.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {
// A short tone as a real MP3, made with the same encoder as the game's pieces.
bool haceMp3(const QString& ruta, double segundos, double hz)
{
    const int tasa = 44100;
    const int n = int(segundos * tasa);
    QByteArray pcm;
    pcm.reserve(n * 2);
    for (int i = 0; i < n; ++i) {
        const double env = std::min(1.0, std::min(i, n - i) / 441.0);
        const auto s = qint16(8000.0 * env * std::sin(2 * M_PI * hz * i / tasa));
        pcm.append(char(s & 0xff)).append(char((s >> 8) & 0xff));
    }
    QByteArray wav("RIFF");
    auto u32 = [&wav](quint32 v) { for (int k = 0; k < 4; ++k) wav.append(char((v >> (8 * k)) & 0xff)); };
    auto u16 = [&wav](quint16 v) { wav.append(char(v & 0xff)).append(char(v >> 8)); };
    u32(quint32(36 + pcm.size()));
    wav += "WAVEfmt ";
    u32(16); u16(1); u16(1); u32(tasa); u32(tasa * 2); u16(2); u16(16);
    wav += "data";
    u32(quint32(pcm.size()));
    wav += pcm;
    const QString rutaWav = ruta + QStringLiteral(".wav");
    QFile f(rutaWav);
    if (!f.open(QIODevice::WriteOnly) || f.write(wav) != wav.size())
        return false;
    f.close();
    QProcess lame;
    lame.start(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("-b"), QStringLiteral("64"),
                                       rutaWav, ruta});
    return lame.waitForFinished(30000) && lame.exitCode() == 0 && QFile::exists(ruta);
}
}

class TstReproductorQt : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString mp3_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("lame")).isEmpty())
            QFAIL("lame is needed to make the test pieces (tools/setup/install-deps.sh installs it)");
        mp3_ = dir_.filePath(QStringLiteral("MP3"));
        QVERIFY(QDir().mkpath(mp3_));
        QVERIFY(haceMp3(mp3_ + QStringLiteral("/sonido1.mp3"), 3.0, 330));
        QVERIFY(haceMp3(mp3_ + QStringLiteral("/sonido3.mp3"), 0.4, 440));
        QVERIFY(haceMp3(mp3_ + QStringLiteral("/sonido2.mp3"), 0.6, 550));
        QFile roto(mp3_ + QStringLiteral("/sonido4.mp3"));
        QVERIFY(roto.open(QIODevice::WriteOnly));
        roto.write(QByteArray(4000, '\x5a'));
        roto.close();
        // Two frame headers in front of noise: looks like MP3 until decoded.
        QFile engaña(mp3_ + QStringLiteral("/sonido5.mp3"));
        QVERIFY(engaña.open(QIODevice::WriteOnly));
        QByteArray trama(417, '\x5a');
        trama[0] = char(0xFF);
        trama[1] = char(0xFB);
        trama[2] = char(0x90);
        trama[3] = char(0x64);
        engaña.write(trama + trama + QByteArray(20000, '\x5a'));
    }

    void volumenLineal_data()
    {
        QTest::addColumn<int>("cdb");
        QTest::addColumn<float>("lineal");
        QTest::newRow("silent") << -10000 << 0.0f;
        QTest::newRow("below silent") << -30000 << 0.0f;
        QTest::newRow("full") << 0 << 1.0f;
        QTest::newRow("above full") << 500 << 1.0f;
        QTest::newRow("-20 dB") << -2000 << 0.1f;
        QTest::newRow("-40 dB, the slider's end") << -4000 << 0.01f;
        QTest::newRow("just above silent") << -9999 << 1.0011e-5f;
    }
    void volumenLineal()
    {
        QFETCH(int, cdb);
        QFETCH(float, lineal);
        if (lineal == 0.0f)
            QCOMPARE(ReproductorQt::aLineal(cdb), 0.0f);
        else
            QVERIFY2(std::abs(ReproductorQt::aLineal(cdb) / lineal - 1.0f) < 1e-3f,
                     qPrintable(QString::number(ReproductorQt::aLineal(cdb))));
        ReproductorQt r;
        r.setVolumen(cdb);
        QCOMPARE(r.volumenLineal(), ReproductorQt::aLineal(cdb));
    }

    // Plays a real piece to its end through Sonido and sees the tune restarted.
    void piezaHastaElFinReanudaLaMusica()
    {
        Modulo m;
        ReproductorQt mp1, mp2;
        Sonido s(m, mp1, mp2, dir_.path());
        QSignalSpy empieza(&mp1, &Reproductor::empiezaPieza);
        QSignalSpy termina(&mp1, &Reproductor::terminaPieza);
        QSignalSpy musica(&mp2, &Reproductor::empiezaPieza);

        s.IniciaMusica();
        QCOMPARE(mp2.archivo(), mp3_ + QStringLiteral("/sonido1.mp3"));
        QTRY_COMPARE_WITH_TIMEOUT(musica.size(), 1, 10000);  // the tune starts by itself
        s.Toca(3);
        QTRY_COMPARE_WITH_TIMEOUT(empieza.size(), 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!mp2.reproduciendo(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(termina.size(), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(musica.size(), 2, 10000);  // restarted from the top
        QVERIFY(mp2.reproduciendo());
        QTest::qWait(200);
        QCOMPARE(termina.size(), 1);  // once
    }

    // The tune had already run out; the next piece's end starts it again.
    void musicaTerminadaVuelveAEmpezar()
    {
        Modulo m;
        ReproductorQt mp1, mp2;
        Sonido s(m, mp1, mp2, dir_.path());
        QSignalSpy musica(&mp2, &Reproductor::empiezaPieza);
        QSignalSpy finMusica(&mp2, &Reproductor::terminaPieza);
        QSignalSpy termina(&mp1, &Reproductor::terminaPieza);
        s.IniciaMusica();
        QTRY_COMPARE_WITH_TIMEOUT(finMusica.size(), 1, 20000);
        QVERIFY(!mp2.reproduciendo());  // its own end is left alone
        s.Toca(3);
        QTRY_COMPARE_WITH_TIMEOUT(termina.size(), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(musica.size(), 2, 10000);
        QVERIFY(mp2.reproduciendo());
    }

    void piezaReemplazadaNoTermina()
    {
        Modulo m;
        ReproductorQt mp1, mp2;
        Sonido s(m, mp1, mp2, dir_.path());
        QSignalSpy termina(&mp1, &Reproductor::terminaPieza);
        s.IniciaMusica();
        s.Toca(2);
        QTRY_VERIFY_WITH_TIMEOUT(mp1.reproduciendo(), 10000);
        s.Toca(3);
        QTRY_COMPARE_WITH_TIMEOUT(termina.size(), 1, 20000);
        QVERIFY(mp1.archivo().endsWith(QStringLiteral("sonido3.mp3")));
        QTest::qWait(700);  // longer than the dropped piece
        QCOMPARE(termina.size(), 1);
    }

    // A missing folder, a missing file or a broken one: the call returns, no
    // start is reported, and the end still comes once so the tune goes on.
    void piezaImposible_data()
    {
        QTest::addColumn<QString>("carpetaMP3");
        QTest::addColumn<int>("snd");
        QTest::newRow("missing folder") << "\\NoHay\\" << 3;
        QTest::newRow("missing file") << "\\MP3\\" << 6;
        QTest::newRow("broken file") << "\\MP3\\" << 4;
        QTest::newRow("noise behind good headers") << "\\MP3\\" << 5;
    }
    void piezaImposible()
    {
        QFETCH(QString, carpetaMP3);
        QFETCH(int, snd);
        Modulo m;
        m.CarpetaMP3 = carpetaMP3;
        ReproductorQt mp1, mp2;
        Sonido s(m, mp1, mp2, dir_.path());
        QSignalSpy empieza(&mp1, &Reproductor::empiezaPieza);
        QSignalSpy termina(&mp1, &Reproductor::terminaPieza);
        s.Toca(snd);
        QTRY_COMPARE_WITH_TIMEOUT(termina.size(), 1, 10000);
        QTest::qWait(100);
        QCOMPARE(termina.size(), 1);
        QCOMPARE(empieza.size(), 0);
        QVERIFY(!mp1.reproduciendo());
    }

    // Without its back-end library the game plays on in silence: every piece
    // ends at once and none is reported as started, so the tune's rotation
    // never waits for an end that cannot come.
    void sinMotorLasPiezasTerminan()
    {
        HiloSonido::FijarFabrica([](const std::atomic<quint64>*, AvisosMotor*) -> Motor* { return nullptr; });
        {
            Modulo m;
            ReproductorQt mp1, mp2;
            Sonido s(m, mp1, mp2, dir_.path());
            QSignalSpy empieza(&mp1, &Reproductor::empiezaPieza);
            QSignalSpy termina(&mp1, &Reproductor::terminaPieza);
            QSignalSpy musica(&mp2, &Reproductor::empiezaPieza);
            s.IniciaMusica();
            s.Toca(3);
            QTRY_COMPARE_WITH_TIMEOUT(termina.size(), 1, 5000);
            s.Toca(2);
            QTRY_COMPARE_WITH_TIMEOUT(termina.size(), 2, 5000);
            QTest::qWait(100);
            QCOMPARE(termina.size(), 2);
            QCOMPARE(empieza.size(), 0);
            QCOMPARE(musica.size(), 0);
            QVERIFY(!mp1.reproduciendo());
        }
        HiloSonido::FijarFabrica(nullptr);
    }
};

QTEST_MAIN(TstReproductorQt)
#include "tst_reproductorqt.moc"
