#include "Archivos.h"
#include "Azar.h"
#include "Marcas.h"
#include "Premios.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The small shared routines: answer marks, the prize ladder, file paths and
// the random source.
class TstReglasModulo : public QObject {
    Q_OBJECT
private slots:
    void marcas_data()
    {
        QTest::addColumn<int>("sel");
        QTest::addColumn<int>("selState");
        QTest::addColumn<int>("other");
        QTest::addColumn<int>("otherState");
        QTest::addColumn<QList<int>>("esperado");
        QTest::addColumn<bool>("todas");
        QTest::newRow("pregunta nueva") << -1 << 0 << -1 << 0 << QList<int>{0, 0, 0, 0} << true;
        QTest::newRow("elegida C") << 2 << 1 << -1 << 0 << QList<int>{0, 0, 1, 0} << false;
        QTest::newRow("acierto B") << 1 << 2 << -1 << 0 << QList<int>{0, 2, 0, 0} << false;
        QTest::newRow("fallo D sobre A") << 3 << 2 << 0 << 3 << QList<int>{3, 0, 0, 2} << false;
        QTest::newRow("fallo sin elegir") << 1 << 2 << -1 << 3 << QList<int>{0, 2, 0, 0} << false;
        QTest::newRow("índices fuera de rango") << 7 << 2 << -5 << 3 << QList<int>{0, 0, 0, 0} << false;
    }
    void marcas()
    {
        QFETCH(int, sel);
        QFETCH(int, selState);
        QFETCH(int, other);
        QFETCH(int, otherState);
        QFETCH(QList<int>, esperado);
        const Marcas m = MarcarRespuestas(qint16(sel), qint16(selState), qint16(other), qint16(otherState));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(int(m.situacion[size_t(k)]), esperado[k]);
        QTEST(m.mostrarTodas, "todas");
    }

    void escalera()
    {
        const QStringList textos{"0",   "1",   "2",   "3",     "5",     "10",    "20",    "40",
                                 "80",  "160", "320", "640",   "1 250", "2 500", "5 000", "10 000"};
        for (int k = 0; k < 16; ++k)
            QCOMPARE(TextoPremio(k), textos[k]);
        QVERIFY(TextoPremio(-1).isEmpty());
        QVERIFY(TextoPremio(16).isEmpty());
        QCOMPARE(Premios::Puntos(12), 1250);
        QCOMPARE(TextoPremio(12).at(1), QChar(' '));  // an ordinary space groups the thousands
        for (int k : {3, 6, 9, 12})
            QVERIFY(Premios::esGarantizado(k));
        QVERIFY(!Premios::esGarantizado(15));
    }

    void nivelDelEscalon()
    {
        const int esperado[] = {1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5};
        for (int e = 0; e <= 15; ++e)
            QCOMPARE(int(NivelDeEscalon(qint16(e))), esperado[e]);
        QCOMPARE(int(NivelDeEscalon(40)), 5);  // never a level the bank lacks
    }

    void rutasConCualquierBarra()
    {
        QCOMPARE(RutaDesde(QStringLiteral("/juego"), QStringLiteral("\\MP3\\sonido3.mp3")),
                 QStringLiteral("/juego/MP3/sonido3.mp3"));
        QCOMPARE(RutaDesde(QStringLiteral("/juego"), QStringLiteral("/Imágenes/Logo.jpg")),
                 QStringLiteral("/juego/Imágenes/Logo.jpg"));
    }

    void borrarIgnoraLosErrores()
    {
        QTemporaryDir d;
        const QString f = d.filePath(QStringLiteral("x.qdb"));
        QFile a(f);
        QVERIFY(a.open(QIODevice::WriteOnly));
        a.close();
        BorrarArchivo(f);
        QVERIFY(!QFile::exists(f));
        BorrarArchivo(f);                 // already gone
        BorrarArchivo(d.path());          // a folder
        BorrarArchivo(QString());         // nothing at all
    }

    void azarConGuionYSemilla()
    {
        Azar a;
        a.guion({0.0, 0.999, 0.5});
        QCOMPARE(AzarEntero(a, 4), 0);
        QCOMPARE(AzarEntero(a, 4), 3);
        QCOMPARE(AzarEntero(a, 4), 2);
        for (int i = 0; i < 1000; ++i) {  // after the script, the generator: always in [0, 1)
            const double r = a.r();
            QVERIFY(r >= 0.0 && r < 1.0);
        }
        Azar b, c;
        b.sembrar(42);
        c.sembrar(42);
        QCOMPARE(b.r(), c.r());
    }
};

QTEST_GUILESS_MAIN(TstReglasModulo)
#include "tst_reglas_modulo.moc"
