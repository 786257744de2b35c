#include "ReproductorQt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
qint64 memoriaResidenteKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> campos = f.readAll().split(' ');
    return campos.size() > 1 ? campos[1].toLongLong() * 4 : -1;
}
}

// Thousands of pieces through one player, as a long evening of play would
// give: good, missing and broken files, each dropped for the next.
class TstReproductorQtSoak : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void milesDePiezas()
    {
        QVERIFY(dir_.isValid());
        const QString bueno = dir_.filePath(QStringLiteral("bueno.mp3"));
        QProcess sox;
        sox.start(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                                          bueno, QStringLiteral("synth"), QStringLiteral("0.3"),
                                          QStringLiteral("sine"), QStringLiteral("440")});
        QVERIFY2(sox.waitForFinished(30000) && sox.exitCode() == 0, "sox with MP3 support is needed");
        const QString roto = dir_.filePath(QStringLiteral("roto.mp3"));
        QFile f(roto);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(3000, '\x33'));
        f.close();
        const QStringList rutas{bueno, dir_.filePath(QStringLiteral("falta.mp3")), roto, bueno};

        ReproductorQt r;
        QSignalSpy fin(&r, &Reproductor::terminaPieza);
        auto tanda = [&](int n) {
            for (int i = 0; i < n; ++i) {
                r.setArchivo(rutas[i % rutas.size()]);
                r.setVolumen(-1000 * (i % 10));
                r.reproducir();
                QCoreApplication::processEvents();
            }
        };
        tanda(300);
        QTest::qWait(500);
        const qint64 antes = memoriaResidenteKb();
        QElapsedTimer reloj;
        reloj.start();
        const int n = 3000;
        tanda(n);
        const qint64 ms = reloj.elapsed();
        QTest::qWait(500);
        const qint64 despues = memoriaResidenteKb();
        qInfo("%d pieces in %lld ms (%.2f ms each); resident %lld kB -> %lld kB", n, ms, double(ms) / n, antes,
              despues);
        QVERIFY2(despues - antes < 16 * 1024, "memory grows with the pieces played");
        // The last piece is good and plays to its end.
        QTRY_VERIFY_WITH_TIMEOUT(!fin.isEmpty() && !r.reproduciendo(), 10000);

        // Hundreds of real loads, each new piece given the moment the last
        // one starts: the back-end is switched right after every load, and
        // neither hangs nor stops reporting starts.
        QSignalSpy inicio(&r, &Reproductor::empiezaPieza);
        for (int i = 0; i < 300; ++i) {
            r.setArchivo(bueno);
            r.reproducir();
            QTRY_COMPARE_WITH_TIMEOUT(inicio.count(), i + 1, 5000);
        }
    }
};

QTEST_MAIN(TstReproductorQtSoak)
#include "tst_reproductorqt_soak.moc"
