// The passages beside the base (QBase.citas): read once with the base's
// care, a bad line skipped and a bad file no passages at all, never a stop;
// a long passage shortened around its phrase for the board.
#include "Citas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

#ifdef ORVALIA_CITAS_CONSTRUIDAS
#include "FuenteCsv.h"
#endif

namespace {
const QByteArray Cabecera = "ID\tReferencia\tTexto\tEvidencia\n";
const QByteArray Jonas = "1052\tJonás 1:17\tMAS Jehová había prevenido un gran pez que tragase á Jonás\tun gran pez\n";

void escribir(const QString& ruta, const QByteArray& datos)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size());
}
}

class TstCitas : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString ruta() const { return dir.filePath(QStringLiteral("QBase.citas")); }

private slots:
    void init() { QVERIFY(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path())); }

    // Each file holds the good line of ID 1052 and one other; the other is
    // read or skipped, and the good one always stands.
    void lineas_data()
    {
        QTest::addColumn<QByteArray>("otra");
        QTest::addColumn<bool>("leida");
        QTest::newRow("buena") << QByteArray("2001\tGénesis 6:14\tHazte un arca\tun arca\n") << true;
        QTest::newRow("sin frase") << QByteArray("2001\tGénesis 6:14\tHazte un arca\t\n") << true;
        QTest::newRow("fin de línea CRLF") << QByteArray("2001\tGénesis 6:14\tHazte un arca\tun arca\r\n") << true;
        QTest::newRow("tres campos") << QByteArray("2001\tGénesis 6:14\tHazte un arca\n") << false;
        QTest::newRow("cinco campos") << QByteArray("2001\tGénesis 6:14\tHazte\tun arca\tde más\n") << false;
        QTest::newRow("ID que no es número") << QByteArray("20x1\tGénesis 6:14\tHazte un arca\tun arca\n") << false;
        QTest::newRow("sin texto") << QByteArray("2001\tGénesis 6:14\t \tun arca\n") << false;
        QTest::newRow("sin referencia") << QByteArray("2001\t\tHazte un arca\tun arca\n") << false;
        QTest::newRow("UTF-8 roto") << QByteArray("2001\tG\xe9nesis 6:14\tHazte un arca\tun arca\n") << false;
        QTest::newRow("sin fin de línea") << QByteArray("2001\tGénesis 6:14\tHazte un arca\tun arca") << true;
    }
    void lineas()
    {
        QFETCH(QByteArray, otra);
        QFETCH(bool, leida);
        escribir(ruta(), "\xEF\xBB\xBF" + Cabecera + Jonas + "\n" + otra);
        const Citas c = Citas::Leer(ruta());
        QCOMPARE(c.cuantas(), leida ? 2 : 1);
        const auto j = c.de(1052);
        QVERIFY(j);
        QCOMPARE(j->referencia, QStringLiteral("Jonás 1:17"));
        QCOMPARE(j->texto, QStringLiteral("MAS Jehová había prevenido un gran pez que tragase á Jonás"));
        QCOMPARE(j->frase, QStringLiteral("un gran pez"));
        QCOMPARE(bool(c.de(2001)), leida);
        if (leida)
            QCOMPARE(c.de(2001)->texto, QStringLiteral("Hazte un arca"));
        QVERIFY(!c.de(9999));
    }

    // One line per ID: a repeated one does not replace the first.
    void idRepetido()
    {
        escribir(ruta(), Cabecera + Jonas + "1052\tJonás 2:1\tY oró Jonás\toró\n");
        QCOMPARE(Citas::Leer(ruta()).de(1052)->referencia, QStringLiteral("Jonás 1:17"));
    }

    // Nothing usable in its place: no passages, at once.
    void archivoInutil_data()
    {
        QTest::addColumn<QString>("que");
        QTest::newRow("falta") << QStringLiteral("falta");
        QTest::newRow("demasiado grande") << QStringLiteral("grande");
        QTest::newRow("una carpeta") << QStringLiteral("carpeta");
        QTest::newRow("una tubería") << QStringLiteral("tuberia");
    }
    void archivoInutil()
    {
        QFETCH(QString, que);
        if (que == QLatin1String("grande"))
            escribir(ruta(), Cabecera + Jonas + QByteArray(Citas::MayorArchivo, 'x'));
        else if (que == QLatin1String("carpeta"))
            QVERIFY(QDir().mkpath(ruta()));
        else if (que == QLatin1String("tuberia"))
            QCOMPARE(::mkfifo(QFile::encodeName(ruta()).constData(), 0600), 0);  // opening it would wait forever
        const Citas c = Citas::Leer(ruta());
        QCOMPARE(c.cuantas(), 0);
        QVERIFY(!c.de(1052));
    }

    // A file of exactly the bound is still read.
    void hastaElLimite()
    {
        const QByteArray relleno = "#" + QByteArray(Citas::MayorArchivo - Cabecera.size() - Jonas.size() - 2, 'x') + "\n";
        escribir(ruta(), Cabecera + Jonas + relleno);
        QCOMPARE(QFileInfo(ruta()).size(), Citas::MayorArchivo);
        QVERIFY(Citas::Leer(ruta()).de(1052));
    }

    // What the editor writes reads back, line for line, in the game and in
    // the editor: white space in a field (a tab, a line end typed into a
    // phrase) made one space, so no line splits; a passage without its
    // text yet the game skips and the editor keeps.
    void escritaSeLee()
    {
        const QList<Citas::Fila> filas{
            {1052, {QStringLiteral(" Jonás 1:17"), QStringLiteral("MAS Jehová\thabía\n prevenido"), QStringLiteral("un\tgran\r\npez ")}},
            {2001, {QStringLiteral("Génesis 6:14"), QString(), QStringLiteral("un arca")}},
        };
        QVERIFY(Citas::Escribir(ruta(), filas, {QByteArray("5001\tG\xe9nesis")}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("QBase.citas")});
        const Citas c = Citas::Leer(ruta());
        QCOMPARE(c.cuantas(), 1);
        QCOMPARE(c.de(1052)->referencia, QStringLiteral("Jonás 1:17"));
        QCOMPARE(c.de(1052)->texto, QStringLiteral("MAS Jehová había prevenido"));
        QCOMPARE(c.de(1052)->frase, QStringLiteral("un gran pez"));
        const Citas::Lectura l = Citas::LeerParaEditar(ruta());
        QCOMPARE(l.estado, Citas::Estado::Leida);
        QCOMPARE(l.citas.size(), 2);
        QCOMPARE(l.citas[1].first, 2001);
        QCOMPARE(l.citas[1].second.frase, QStringLiteral("un arca"));
        QCOMPARE(l.otras, QList<QByteArray>{QByteArray("5001\tG\xe9nesis")});
    }

    // Beside the main file; beside the backup when the main file's folder has none.
    void ruta_()
    {
        const RutasBase r{dir.filePath(QStringLiteral("casa/QBase.qdb")), dir.filePath(QStringLiteral("juego/QBase.bak"))};
        QCOMPARE(Citas::RutaPara(r), dir.filePath(QStringLiteral("juego/QBase.citas")));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("casa"))));
        escribir(dir.filePath(QStringLiteral("casa/QBase.citas")), Cabecera);
        QCOMPARE(Citas::RutaPara(r), dir.filePath(QStringLiteral("casa/QBase.citas")));
    }

    void acortar_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("frase");
        QTest::addColumn<int>("maximo");
        QTest::addColumn<QString>("esperado");
        const QString pez = QStringLiteral("MAS Jehová había prevenido un gran pez que tragase á Jonás: y estuvo Jonás "
                                           "en el vientre del pez tres días y tres noches.");
        QTest::newRow("cabe entero") << pez << QStringLiteral("gran pez") << 200 << pez;
        QTest::newRow("justo el máximo") << pez << QStringLiteral("gran pez") << int(pez.size()) << pez;
        QTest::newRow("frase en medio") << pez << QStringLiteral("tragase á Jonás") << 40
                                        << QStringLiteral("…gran pez que tragase á Jonás: y estuvo…");
        QTest::newRow("frase al principio") << pez << QStringLiteral("MAS Jehová") << 30
                                            << QStringLiteral("MAS Jehová había prevenido un…");
        QTest::newRow("frase al final") << pez << QStringLiteral("tres noches.") << 30
                                        << QStringLiteral("…pez tres días y tres noches.");
        QTest::newRow("frase a media palabra") << pez << QStringLiteral("entre del") << 20
                                               << QStringLiteral("…el vientre del pez…");
        QTest::newRow("media palabra sin sitio") << pez << QStringLiteral("entre del") << 11
                                                 << QStringLiteral("…vientre del…");
        QTest::newRow("frase más larga que el máximo") << pez << QStringLiteral("un gran pez que tragase") << 10
                                                       << QStringLiteral("…un gran pez que tragase…");
        QTest::newRow("sin la frase") << pez << QStringLiteral("ballena") << 25
                                      << QStringLiteral("MAS Jehová había…");
        QTest::newRow("sin frase") << pez << QString() << 25 << QStringLiteral("MAS Jehová había…");
        QTest::newRow("corte tras una coma") << QStringLiteral("uno dos, tres cuatro cinco") << QStringLiteral("uno") << 10
                                             << QStringLiteral("uno dos…");
        QTest::newRow("coma de la frase") << QStringLiteral("uno dos, tres cuatro cinco") << QStringLiteral("dos,") << 12
                                          << QStringLiteral("uno dos,…");
    }
    void acortar()
    {
        QFETCH(QString, texto);
        QFETCH(QString, frase);
        QFETCH(int, maximo);
        QFETCH(QString, esperado);
        const Citas::Recorte r = Citas::acortar(texto, frase, maximo);
        QCOMPARE(r.texto, esperado);
        const bool esta = !frase.isEmpty() && texto.contains(frase);
        if (esta) {
            QCOMPARE(r.texto.mid(r.desde, r.largo), frase);
        } else {
            QCOMPARE(r.desde, qsizetype(-1));
        }
        // Never longer than asked, unless the words of the phrase alone are.
        qsizetype palabras = 0;
        if (esta) {
            qsizetype a = texto.indexOf(frase), b = a + frase.size();
            while (a > 0 && !texto.at(a - 1).isSpace())
                --a;
            while (b < texto.size() && !texto.at(b).isSpace())
                ++b;
            palabras = b - a;
        }
        if (palabras + 2 <= maximo)
            QVERIFY(r.texto.size() <= maximo);
        // Whole words: what is kept, without its "…", starts and ends at a
        // word's edge of the text.
        QString sin = r.texto;
        sin.remove(QChar(0x2026));
        const qsizetype i = texto.indexOf(sin);
        QVERIFY2(i >= 0, qPrintable(sin));
        QVERIFY(i == 0 || texto.at(i - 1).isSpace());
        const qsizetype fin = i + sin.size();
        QVERIFY(fin == texto.size() || texto.at(fin).isSpace() || QStringLiteral(",;:").contains(texto.at(fin)));
    }

#ifdef ORVALIA_CITAS_CONSTRUIDAS
    // The build's companion, read as the game reads it: a passage for every
    // question of the shipped sources, its reference the source's, its phrase
    // in its text.
    void laDelJuego()
    {
        const Citas c = Citas::Leer(QStringLiteral(ORVALIA_CITAS_CONSTRUIDAS));
        int preguntas = 0;
        for (int nivel = 1; nivel <= 5; ++nivel) {
            const FuenteCsv f =
                FuenteCsv::leerArchivo(QStringLiteral(ORVALIA_FUENTES "/nivel%1.csv").arg(nivel));
            QVERIFY2(f.error.isEmpty(), qPrintable(f.error));
            for (const FuenteCsv::Fila& fila : f.filas) {
                const qint32 id = qint32(fila.fila.valor(FilaBase::ID).enteroLeido());
                const auto cita = c.de(id);
                QVERIFY2(cita, qPrintable(QString::number(id)));
                QCOMPARE(cita->referencia, fila.referencia);
                QVERIFY2(cita->texto.contains(cita->frase) && !cita->frase.isEmpty(), qPrintable(QString::number(id)));
                ++preguntas;
            }
        }
        QVERIFY(preguntas > 1000);
        QCOMPARE(c.cuantas(), qsizetype(preguntas));
    }
#endif
};

QTEST_GUILESS_MAIN(TstCitas)
#include "tst_Citas.moc"
