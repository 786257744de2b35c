#include "fakes/ArchivosDePrueba.h"
#include "ArchivoBase.h"
#include "Comprobador.h"
#include "Pregunta.h"
#include "fakes/BaseDePrueba.h"
#include "fakes/TitularCerrojo.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <sys/stat.h>

namespace {
struct Resultado {
    int codigo = -1;
    QString salida;
    QString errores;
};

// The tool's exit status, or -1 when it crashed or had not ended in time.
Resultado qdb(const QStringList& args, int espera = 60000)
{
    QProcess p;
    p.start(QStringLiteral(ORVALIA_QDB), args);
    if (!p.waitForFinished(espera)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString(), QStringLiteral("orvalia-qdb no terminó")};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

void escribir(const QString& ruta, const QByteArray& b)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}

const QByteArray cabeceraFuente =
    "Orden,Nivel,Enunciado,RespA,RespB,RespC,RespD,LetraCorrecta,Veces,ID,Referencia,Evidencia\n";

// A clean source: level L question n, with its right letter spread evenly.
QByteArray fuenteLimpia()
{
    QByteArray b = cabeceraFuente;
    const char* temas[] = {"el arca", "el mar Rojo", "la zarza", "Jericó", "el gigante"};
    const char* verbos[] = {"quién vio", "cuándo cruzó", "dónde halló", "por qué temió"};
    for (int nivel = 1; nivel <= 5; ++nivel)
        for (int n = 1; n <= 4; ++n) {
            const QByteArray pregunta = QStringLiteral("¿%1 %2 en el relato número %3?")
                                            .arg(QString::fromUtf8(verbos[n - 1]), QString::fromUtf8(temas[nivel - 1]))
                                            .arg(nivel * 10 + n)
                                            .toUtf8();
            b += QByteArray::number(100 - n) + "," + QByteArray::number(nivel) + ",\"" + pregunta + "\",Uno "
                + QByteArray::number(n) + ",Dos,Tres,Cuatro," + QByteArray(1, char('A' + (nivel + n) % 4)) + ",0,"
                + QByteArray::number(nivel * 1000 + n) + ",Génesis 1:1,\"EN el principio, crió\"\n";
        }
    return b;
}

// n questions of level 1 whose answers are all six letters long but for the
// right one: one letter longer in the first `largas`, twice as long and more
// in the next `muchoMas`.
QByteArray nivelConLargos(int n, int largas, int muchoMas)
{
    QByteArray b = cabeceraFuente;
    const char* otras[] = {"Uno", "Dos", "Res", "Cua"};
    for (int i = 0; i < n; ++i) {
        const int correcta = i % 4;
        const QByteArray num = QByteArray::number(i).rightJustified(2, '0');
        QByteArray resp[4];
        for (int k = 0; k < 4; ++k)
            resp[k] = QByteArray(otras[k]) + " " + num;
        if (i < largas)
            resp[correcta] = QByteArray(otras[correcta]) + "s " + num;
        else if (i < largas + muchoMas)
            resp[correcta] = QByteArray(otras[correcta]) + " " + num + " y uno más";
        b += "1,1,\"¿Pregunta número " + QByteArray::number(i) + " de la prueba?\"," + resp[0] + "," + resp[1] + ","
            + resp[2] + "," + resp[3] + "," + QByteArray(1, char('A' + correcta)) + ",0," + QByteArray::number(1001 + i)
            + ",Génesis 1:1,\"EN el principio, crió\"\n";
    }
    return b;
}
}

class TstOrvaliaQdb : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString ruta(const char* nombre) const { return dir.filePath(QString::fromLatin1(nombre)); }

private slots:
    void exportarEImportarDaLosMismosBytes()
    {
        // Every tag, text that needs quoting, Windows-1252 letters and an
        // unassigned byte, non-finite and negative-zero floats.
        TablaBase t = TablaDePrueba(2);
        t[0][FilaBase::Enunciado] = ValorEtiquetado::bytesTexto("\xbf" "Comas, \"comillas\"\r\ny l\xednea\x81?");
        t[0][FilaBase::RespB] = ValorEtiquetado();
        t[1][FilaBase::RespC] = ValorEtiquetado::bytesTexto("");
        t[1][FilaBase::Orden] = ValorEtiquetado::real64(2.5);
        t[2][FilaBase::Orden] = ValorEtiquetado::real32(-0.0f);
        t[3][FilaBase::Orden] = ValorEtiquetado::real64(std::numeric_limits<double>::quiet_NaN());
        t[4][FilaBase::ID] = ValorEtiquetado::entero16(-7);
        t[5][FilaBase::Veces] = ValorEtiquetado::entero32(40000);
        t[6][FilaBase::Nivel] = ValorEtiquetado::real64(4.0);
        t[6][FilaBase::ID] = ValorEtiquetado::texto(QStringLiteral("ñ"));
        t[7][FilaBase::LetraCorrecta] = ValorEtiquetado::texto(QStringLiteral("Bueno"));
        t[8][FilaBase::Orden] = ValorEtiquetado::real32(0.1f);
        t[9][FilaBase::Nivel] = ValorEtiquetado::entero32(5);
        Pregunta::OrdenarTabla(t);
        QVERIFY(ArchivoBase::escribir(ruta("a.qdb"), t));

        auto r = qdb({QStringLiteral("export"), ruta("a.qdb"), ruta("a.csv")});
        QVERIFY2(r.codigo == 0, qPrintable(r.errores));
        QVERIFY(leerTodo(ruta("a.csv")).startsWith("Orden,Nivel,Enunciado,RespA,RespB,RespC,RespD,LetraCorrecta,Veces,ID,Etiquetas\r\n"));
        r = qdb({QStringLiteral("import"), ruta("a.csv"), ruta("b.qdb")});
        QVERIFY2(r.codigo == 0, qPrintable(r.errores));
        QCOMPARE(leerTodo(ruta("b.qdb")), leerTodo(ruta("a.qdb")));
    }

    void importarFuentes()
    {
        // Two files, levels mixed, Orden descending: the base comes out in
        // level blocks, ascending Orden; the reference columns are dropped.
        const QByteArray todo = fuenteLimpia();
        QList<QByteArray> lineas = todo.split('\n');
        lineas.removeAll(QByteArray());
        QByteArray a = cabeceraFuente, b = cabeceraFuente;
        for (int i = 1; i < lineas.size(); ++i)
            (i % 2 ? a : b) += lineas[i] + "\r\n";
        escribir(ruta("n1.csv"), a);
        escribir(ruta("n2.csv"), b);
        auto r = qdb({QStringLiteral("import"), QStringLiteral("--solo-lectura"), ruta("n1.csv"), ruta("n2.csv"), ruta("f.bak")});
        QVERIFY2(r.codigo == 0, qPrintable(r.errores));
        QVERIFY(!(QFile::permissions(ruta("f.bak")) & QFileDevice::WriteOwner));
        const auto l = ArchivoBase::leerArchivo(ruta("f.bak"));
        QVERIFY2(l.valida(), qPrintable(l.error));
        QVERIFY(!l.reagrupada);
        QCOMPARE(l.tabla.size(), size_t(20));
        QCOMPARE(l.tabla[0][FilaBase::Orden], ValorEtiquetado::real32(96));
        QCOMPARE(l.tabla[0][FilaBase::ID], ValorEtiquetado::entero32(1004));
        QCOMPARE(l.tabla[0][FilaBase::Nivel], ValorEtiquetado::entero16(1));
        QCOMPARE(l.tabla[0][FilaBase::Veces], ValorEtiquetado::entero16(0));
        QCOMPARE(l.tabla[19][FilaBase::ID], ValorEtiquetado::entero32(5001));
        QCOMPARE(l.tabla[0][FilaBase::Enunciado].aTexto(), QStringLiteral("¿por qué temió el arca en el relato número 14?"));
        // Importing over a read-only base replaces it.
        r = qdb({QStringLiteral("import"), ruta("n1.csv"), ruta("n2.csv"), ruta("f.bak")});
        QVERIFY2(r.codigo == 0, qPrintable(r.errores));

        r = qdb({QStringLiteral("check"), ruta("n1.csv"), ruta("n2.csv")});
        QVERIFY2(r.codigo == 0, qPrintable(r.errores));
        r = qdb({QStringLiteral("check"), ruta("f.bak")});
        QVERIFY2(r.codigo == 0, qPrintable(r.errores));
        QVERIFY(r.salida.contains(QStringLiteral("nivel 3: 4")));
        QVERIFY(r.salida.contains(QStringLiteral("Veces: mínimo 0, máximo 0")));
    }

    void avisos_data()
    {
        QTest::addColumn<QByteArray>("buscar");
        QTest::addColumn<QByteArray>("cambiar");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("ID repetido") << QByteArray(",2002,") << QByteArray(",2001,") << QStringLiteral("el ID 2001 ya está");
        QTest::newRow("pregunta repetida") << QByteArray("dónde halló el mar Rojo en el relato número 23")
                                           << QByteArray("cuándo cruzó el mar Rojo en el relato numero 22")
                                           << QStringLiteral("la pregunta repite");
        // 2-3 and 3-2 share their right answer ("Dos").
        QTest::newRow("pregunta parecida") << QByteArray("cuándo cruzó la zarza en el relato número 32")
                                           << QByteArray("dónde halló el mar Rojo en los relatos número 23")
                                           << QStringLiteral("se parece mucho");
        QTest::newRow("respuestas repetidas") << QByteArray("Uno 3,Dos,Tres") << QByteArray("Uno 3,Dos,dos")
                                              << QStringLiteral("repite otra respuesta");
        QTest::newRow("letra larga") << QByteArray(",A,0,1003,") << QByteArray(",Aa,0,1003,")
                                     << QStringLiteral("no es solo A, B, C o D");
        QTest::newRow("respuesta larga") << QByteArray("Uno 4,") << QByteArray("Una respuesta larguísima que no cabe en la barra,")
                                         << QStringLiteral("más de 40 para la barra pequeña");
        QTest::newRow("palabra larga") << QByteArray("Uno 4,") << QByteArray("Otorrinolaringologicamente,")
                                       << QStringLiteral("una palabra de 26 caracteres");
        QTest::newRow("sin referencia") << QByteArray(",3002,Génesis 1:1,") << QByteArray(",3002,,") << QStringLiteral("falta la referencia");
        QTest::newRow("letras desiguales") << QByteArray(",B,0,") << QByteArray(",A,0,") << QStringLiteral("la letra A es la correcta en el 50.0 %");
    }

    void avisos()
    {
        QFETCH(QByteArray, buscar);
        QFETCH(QByteArray, cambiar);
        QFETCH(QString, aviso);
        QByteArray fuente = fuenteLimpia();
        QVERIFY(fuente.contains(buscar));
        fuente.replace(buscar, cambiar);
        escribir(ruta("aviso.csv"), fuente);
        const auto r = qdb({QStringLiteral("check"), ruta("aviso.csv")});
        QCOMPARE(r.codigo, 2);
        QVERIFY2(r.errores.contains(aviso), qPrintable(r.errores));
        if (!aviso.startsWith(QLatin1String("la letra")))  // the share is the whole set's
            QVERIFY2(r.errores.contains(ruta("aviso.csv") + u':'), qPrintable(r.errores));
    }

    void largoDeLaCorrecta_data()
    {
        QTest::addColumn<int>("preguntas");
        QTest::addColumn<int>("largas");
        QTest::addColumn<int>("muchoMas");
        QTest::addColumn<QString>("cifras");
        QTest::addColumn<bool>("avisaMasLarga");
        QTest::addColumn<bool>("avisaMuchoMas");
        QTest::newRow("todas iguales") << 20 << 0 << 0 << "nivel 1: 0.0 % / 0.0 %" << false << false;
        QTest::newRow("30 %, lo justo") << 20 << 6 << 0 << "nivel 1: 30.0 % / 0.0 %" << false << false;
        QTest::newRow("35 %") << 20 << 7 << 0 << "nivel 1: 35.0 % / 0.0 %" << true << false;
        QTest::newRow("una vez y media en 1 de 20") << 20 << 0 << 1 << "nivel 1: 5.0 % / 5.0 %" << false << true;
        QTest::newRow("una vez y media en 1 de 34") << 34 << 0 << 1 << "nivel 1: 2.9 % / 2.9 %" << false << false;
        // Too few questions to judge a level by: the figures, no warning.
        QTest::newRow("19 preguntas") << 19 << 9 << 1 << "nivel 1: 52.6 % / 5.3 %" << false << false;
    }

    void largoDeLaCorrecta()
    {
        QFETCH(int, preguntas);
        QFETCH(int, largas);
        QFETCH(int, muchoMas);
        QFETCH(QString, cifras);
        QFETCH(bool, avisaMasLarga);
        QFETCH(bool, avisaMuchoMas);
        escribir(ruta("largos.csv"), nivelConLargos(preguntas, largas, muchoMas));
        const auto r = qdb({QStringLiteral("check"), ruta("largos.csv")});
        QVERIFY2(r.codigo == 2, qPrintable(r.errores));  // the other levels are missing
        QVERIFY2(r.salida.contains(cifras), qPrintable(r.salida));
        QVERIFY2(!r.errores.contains(QStringLiteral("parece")) && !r.errores.contains(QStringLiteral("repite")),
                 qPrintable(r.errores));
        QCOMPARE(r.errores.contains(QStringLiteral("nivel 1: la respuesta correcta es la más larga de las cuatro")),
                 avisaMasLarga);
        QCOMPARE(r.errores.contains(QStringLiteral("nivel 1: la respuesta correcta es una vez y media más larga")),
                 avisaMuchoMas);
        if (avisaMuchoMas)  // and says where
            QVERIFY2(r.errores.contains(ruta("largos.csv") + QStringLiteral(":2")), qPrintable(r.errores));
    }

    void parecidaConOtraRespuestaNoAvisa()
    {
        // 2-2 ("Uno 2") and 2-3 ("Dos") differ by a number and their answers.
        QByteArray fuente = fuenteLimpia();
        fuente.replace("cuándo cruzó el mar Rojo en el relato número 22", "dónde halló el mar Rojo en el relato número 24");
        escribir(ruta("otra.csv"), fuente);
        const auto r = qdb({QStringLiteral("check"), ruta("otra.csv")});
        QVERIFY2(r.codigo == 0, qPrintable(r.errores));
    }

    // A file of many bad rows: every problem is counted, a screenful of each
    // file is shown, and one line says how many more there are. Two files,
    // each with its own screenful.
    void muchosProblemasUnaPantalla()
    {
        constexpr int Filas = 50000;  // ten problems each: seven errors, three warnings
        QByteArray vacias(20 + Filas * 20, '\0');
        const char cabecera[] = {0x0C, 0x20, 2, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0x50, char(0xC3), 0, 0, 0, 0, 0, 0};
        std::copy(cabecera, cabecera + 20, vacias.begin());
        escribir(ruta("vacias.qdb"), vacias);
        QByteArray fuente = fuenteLimpia();
        for (int i = 0; i < 30; ++i)
            fuente += "1,1,,,,,,A,0," + QByteArray::number(9000 + i) + ",Génesis 1:1,\r\n";
        escribir(ruta("huecos.csv"), fuente);

        const auto r = qdb({QStringLiteral("check"), ruta("vacias.qdb"), ruta("huecos.csv")});
        QCOMPARE(r.codigo, 1);
        QVERIFY(r.salida.contains(QStringLiteral("Preguntas: %1").arg(Filas + 20 + 30)));
        const QStringList lineas = r.errores.split(u'\n', Qt::SkipEmptyParts);
        const auto de = [&](const QString& archivo) {
            return std::count_if(lineas.begin(), lineas.end(), [&](const QString& l) {
                return l.contains(archivo) && !l.contains(QStringLiteral("problemas más"));
            });
        };
        QCOMPARE(de(ruta("vacias.qdb")), qsizetype(Comprobador::Pantalla));
        QCOMPARE(de(ruta("huecos.csv")), qsizetype(Comprobador::Pantalla));
        QVERIFY2(lineas.contains(QStringLiteral("error: %1: %2 problemas más que no se muestran (%3 errores, %4 avisos)")
                                     .arg(ruta("vacias.qdb"))
                                     .arg(Filas * 10 - 20)
                                     .arg(Filas * 7 - 14)
                                     .arg(Filas * 3 - 6)),
                 qPrintable(lineas.join(u'\n')));
        // Thirty rows of five empty texts each: 150 errors, 20 shown.
        QVERIFY2(lineas.contains(QStringLiteral("error: %1: 130 problemas más que no se muestran (130 errores, 0 avisos)")
                                     .arg(ruta("huecos.csv"))),
                 qPrintable(lineas.join(u'\n')));
        QVERIFY2(lineas.size() < 3 * Comprobador::Pantalla, qPrintable(lineas.join(u'\n')));
    }

    void errores_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("mensaje");
        QByteArray malaFila = ArchivoBase::serializar(TablaDePrueba(2));
        malaFila.replace(QByteArray("\x08\x00\x01\x00" "B", 5), QByteArray("\x08\x00\x01\x00" "Z", 5));
        QTest::newRow("base cortada") << ArchivoBase::serializar(TablaDePrueba(2)).chopped(3) << "b.qdb"
                                      << QStringLiteral("b.qdb: fila 9:");
        QTest::newRow("letra de la base") << malaFila << "c.qdb" << QStringLiteral("c.qdb: fila");
        // The game loads it, and would show a bar with nothing to read.
        QByteArray sinRespuesta = ArchivoBase::serializar(TablaDePrueba(2));
        sinRespuesta.replace(QByteArray("\x08\x00\x05\x00" "B 1-1", 9), QByteArray("\x08\x00\x00\x00", 4));
        QTest::newRow("respuesta vacía") << sinRespuesta << "f.qdb" << QStringLiteral("f.qdb: fila 0: falta la respuesta B");
        QByteArray noCodificable = fuenteLimpia();
        noCodificable.replace("Dos", "Dōs");
        QTest::newRow("carácter sin Windows-1252") << noCodificable << "d.csv" << QStringLiteral("d.csv:2: RespB");
        QByteArray nivelMalo = fuenteLimpia();
        nivelMalo.replace(",0,5004,", ",0,5004,").replace("96,5,", "96,6,");
        QTest::newRow("nivel 6") << nivelMalo << "e.csv" << QStringLiteral("e.csv:21: el nivel no es");
        QTest::newRow("comillas sin cerrar") << QByteArray(cabeceraFuente + "1,1,\"abierta\n") << "g.csv"
                                             << QStringLiteral("g.csv:2: comillas sin cerrar");
        QTest::newRow("sin columna") << QByteArray("Orden,Nivel\n1,1\n") << "h.csv" << QStringLiteral("falta la columna Enunciado");
    }

    void errores()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(QString, nombre);
        QFETCH(QString, mensaje);
        const QString r0 = dir.filePath(nombre);
        escribir(r0, contenido);
        const auto r = qdb({QStringLiteral("check"), r0});
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.errores.contains(mensaje), qPrintable(r.errores));
        if (nombre.endsWith(QLatin1String(".csv"))) {
            const auto i = qdb({QStringLiteral("import"), r0, dir.filePath(QStringLiteral("x.qdb"))});
            QCOMPARE(i.codigo, 1);
            QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.qdb"))));
        }
    }

    void ordenar()
    {
        TablaBase t = TablaDePrueba(3);
        t[0][FilaBase::Veces] = ValorEtiquetado::entero16(5);
        t[4][FilaBase::Orden] = ValorEtiquetado::real32(0);
        QVERIFY(ArchivoBase::escribir(ruta("s.qdb"), t));
        const auto r = qdb({QStringLiteral("sort"), ruta("s.qdb")});
        QVERIFY2(r.codigo == 0, qPrintable(r.errores));
        Pregunta::OrdenarTabla(t);
        QCOMPARE(leerTodo(ruta("s.qdb")), ArchivoBase::serializar(t));
        QCOMPARE(t[0][FilaBase::ID], ValorEtiquetado::entero32(1002));
        QCOMPARE(t[3][FilaBase::ID], ValorEtiquetado::entero32(2002));
    }

    // A pipe called like the base or a source is refused at once, as the
    // game refuses it, never waited on.
    void tuberia_data()
    {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("check") << "check" << "QBase.qdb";
        QTest::newRow("export") << "export" << "QBase.qdb";
        QTest::newRow("sort") << "sort" << "QBase.qdb";
        QTest::newRow("check a source") << "check" << "nivel1.csv";
        QTest::newRow("import a source") << "import" << "nivel1.csv";
    }
    void tuberia()
    {
        QFETCH(QString, orden);
        QFETCH(QString, nombre);
        QTemporaryDir carpeta;
        QVERIFY(carpeta.isValid());
        const QString fifo = carpeta.filePath(nombre);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QStringList args{orden, fifo};
        if (orden == QLatin1String("import"))
            args << carpeta.filePath(Pregunta::NombreArchivo());
        const auto r = qdb(args, 10000);
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.errores.contains(fifo + QStringLiteral(": no es un archivo normal")), qPrintable(r.errores));
    }

    // While the game or the editor holds the base's lock, import and sort
    // write nothing and say who holds it; once it is gone they write.
    void cerrojoTomado_data()
    {
        QTest::addColumn<QString>("titular");
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("dice");
        const QString juego = QStringLiteral("el juego está abierto con esta base");
        const QString editor = QStringLiteral("el editor de preguntas tiene abierta esta base");
        QTest::newRow("game, import") << "Orvalia" << "import" << juego;
        QTest::newRow("editor, import") << "orvalia-editor" << "import" << editor;
        QTest::newRow("game, sort") << "Orvalia" << "sort" << juego;
        QTest::newRow("editor, sort") << "orvalia-editor" << "sort" << editor;
    }
    void cerrojoTomado()
    {
        QFETCH(QString, titular);
        QFETCH(QString, orden);
        QFETCH(QString, dice);
        QTemporaryDir carpeta;
        QVERIFY(carpeta.isValid());
        const QString base = carpeta.filePath(Pregunta::NombreArchivo());
        TablaBase t = TablaDePrueba(2);
        t[0][FilaBase::Veces] = ValorEtiquetado::entero16(5);  // sorting moves it
        QVERIFY(ArchivoBase::escribir(base, t));
        const QByteArray antes = leerTodo(base);
        const QString csv = carpeta.filePath(QStringLiteral("fuente.csv"));
        escribir(csv, fuenteLimpia());
        const QStringList args = orden == QLatin1String("import") ? QStringList{orden, csv, base} : QStringList{orden, base};

        auto otro = TitularCerrojo(carpeta.path(), titular, base);
        QVERIFY(otro);
        auto r = qdb(args);
        QCOMPARE(r.codigo, 1);
        QVERIFY2(r.errores.contains(base + QStringLiteral(": ") + dice), qPrintable(r.errores));
        QCOMPARE(leerTodo(base), antes);
        const QStringList restos =
            QDir(carpeta.path()).entryList({Pregunta::NombreArchivo() + QStringLiteral(".*")}, QDir::Files);
        QCOMPARE(restos, QStringList{CerrojoBase::Ruta(Pregunta::NombreArchivo())});

        otro->kill();
        otro->waitForFinished();
        r = qdb(args);
        QVERIFY2(r.codigo == 0, qPrintable(r.errores));
        QVERIFY(leerTodo(base) != antes);
        QVERIFY(!QFile::exists(CerrojoBase::Ruta(base)));
    }
};

int main(int argc, char** argv)
{
    if (const std::optional<int> r = SostenerSiSePide(argc, argv))
        return *r;
    QCoreApplication app(argc, argv);
    TstOrvaliaQdb t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_orvalia_qdb.moc"
