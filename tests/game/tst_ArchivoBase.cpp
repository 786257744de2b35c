#include "ArchivoBase.h"
#include "fakes/BaseDePrueba.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

// Builds base files byte by byte, independently of the writer under test.
class Bytes {
public:
    Bytes& u16(quint16 v) { char b[2]; qToLittleEndian(v, b); d.append(b, 2); return *this; }
    Bytes& i32(qint32 v) { char b[4]; qToLittleEndian(v, b); d.append(b, 4); return *this; }
    Bytes& raw(const QByteArray& b) { d.append(b); return *this; }
    Bytes& cabecera(qint32 filas, bool camposPrimero = true)
    {
        u16(0x200C).u16(2);
        if (camposPrimero)
            i32(10).i32(0).i32(filas).i32(0);
        else
            i32(filas).i32(0).i32(10).i32(0);
        return *this;
    }
    Bytes& texto(const QByteArray& t) { return u16(8).u16(quint16(t.size())).raw(t); }
    Bytes& e16(qint16 v) { return u16(2).u16(quint16(v)); }
    Bytes& e32(qint32 v) { return u16(3).i32(v); }
    Bytes& r32(float v) { quint32 b; memcpy(&b, &v, 4); return u16(4).i32(qint32(b)); }
    Bytes& r64(double v) { quint64 b; memcpy(&b, &v, 8); char x[8]; qToLittleEndian(b, x); u16(5); d.append(x, 8); return *this; }
    // A plain row: Orden, Nivel, five texts, letter, Veces, ID.
    Bytes& fila(int nivel, const QByteArray& letra = "A", int id = 1)
    {
        r32(float(id % 1000)).e16(qint16(nivel)).texto("P").texto("a").texto("b").texto("c").texto("d");
        return texto(letra).e16(0).e32(id);
    }
    QByteArray d;
};

static QByteArray basePlana(bool camposPrimero = true)
{
    Bytes b;
    b.cabecera(5, camposPrimero);
    for (int n = 1; n <= 5; ++n)
        b.fila(n, "B", n);
    return b.d;
}

class TstArchivoBase : public QObject {
    Q_OBJECT
    // ORVALIA_SEMILLAS=folder lays the files of these tests out as the
    // fuzzer's seeds (tests/game/corpus).
    static void guardarSemilla(const QString& nombre, const QByteArray& datos)
    {
        const QString carpeta = qEnvironmentVariable("ORVALIA_SEMILLAS");
        if (carpeta.isEmpty())
            return;
        QFile s(carpeta + u'/' + nombre);
        if (s.open(QIODevice::WriteOnly))
            s.write(datos);
    }
private slots:
    void idaYVueltaConCadaEtiqueta()
    {
        // Every tag in some field, Windows-1252 bytes that UTF-8 cannot hold
        // (0x81 is unassigned), an empty text and odd float bits.
        Bytes b;
        b.cabecera(6);
        b.r64(47.0).e32(1).texto("\xbfQui\xe9n?\x81").texto("").u16(0).texto("C\xf1").e16(-3).texto("Cx").r32(12.5f).r64(-1e300);
        b.u16(0).e16(2).texto("x").texto("a").texto("b").texto("c").texto("d").texto("D").u16(0).texto("99");
        b.r32(999.0f).r64(3.0).texto("x").texto("a").texto("b").texto("c").texto("d").texto("A").e32(70000).e16(5);
        b.e16(1).r32(4.0f).texto("x").e16(7).r32(1.25f).r64(2.5).e32(-1).texto("B").r32(3.0f).r64(8.0);
        b.e32(5).e32(5).texto("x").texto("a").texto("b").texto("c").texto("d").texto("A").e16(32767).e32(-2147483647 - 1);
        b.e32(5).e16(5).texto(QByteArray(300, 'z')).texto("a").texto("b").texto("c").texto("d").texto("Dz").e16(0).e16(0);
        const auto l = ArchivoBase::leer(b.d);
        QVERIFY2(l.valida(), qPrintable(l.error));
        QCOMPARE(l.tabla.size(), size_t(6));
        QCOMPARE(l.tabla[0][FilaBase::Enunciado].aTexto(), QStringLiteral("¿Quién?\u0081"));
        QCOMPARE(l.tabla[0][FilaBase::RespB].etiqueta(), ValorEtiquetado::Vacio);
        QCOMPARE(ArchivoBase::serializar(l.tabla), b.d);
        guardarSemilla(QStringLiteral("bueno-etiquetas"), b.d);
        guardarSemilla(QStringLiteral("bueno-prueba"), ArchivoBase::serializar(TablaDePrueba(2)));
        guardarSemilla(QStringLiteral("bueno-filas-primero"), basePlana(false));
    }

    void ordenDeDimensiones()
    {
        // The bound pairs may come in either order; the writer keeps one.
        const auto a = ArchivoBase::leer(basePlana(true));
        const auto b = ArchivoBase::leer(basePlana(false));
        QVERIFY(a.valida() && b.valida());
        QVERIFY(a.tabla == b.tabla);
        QCOMPARE(ArchivoBase::serializar(b.tabla), basePlana(true));
    }

    void archivoMalo_data()
    {
        QTest::addColumn<QByteArray>("datos");
        const QByteArray buena = basePlana();
        QTest::newRow("vacío") << QByteArray();
        QTest::newRow("solo etiqueta") << buena.left(2);
        QTest::newRow("cabecera cortada") << buena.left(19);
        QTest::newRow("cortado en un valor") << buena.left(buena.size() - 3);
        QTest::newRow("falta el último valor") << buena.left(buena.size() - 6);
        QTest::newRow("no es tabla") << Bytes().u16(8).u16(1).raw("x").d;
        QTest::newRow("una dimensión") << Bytes().u16(0x200C).u16(1).i32(10).i32(0).raw(buena.mid(12)).d;
        QTest::newRow("tres dimensiones") << Bytes().u16(0x200C).u16(3).raw(buena.mid(4)).d;
        QTest::newRow("nueve campos") << Bytes().u16(0x200C).u16(2).i32(9).i32(0).i32(5).i32(0).raw(buena.mid(20)).d;
        QTest::newRow("filas desde 1") << Bytes().u16(0x200C).u16(2).i32(10).i32(0).i32(5).i32(1).raw(buena.mid(20)).d;
        QTest::newRow("sin filas") << Bytes().cabecera(0).d;
        QTest::newRow("filas negativas") << Bytes().cabecera(-5).raw(buena.mid(20)).d;
        QTest::newRow("cuenta enorme") << Bytes().cabecera(0x7FFFFFFF).raw(buena.mid(20)).d;
        QTest::newRow("cuenta sin respaldo") << Bytes().cabecera(6).raw(buena.mid(20)).d;
        QTest::newRow("etiqueta desconocida") << Bytes().cabecera(1).u16(7).i32(0).d;
        QTest::newRow("etiqueta de tabla anidada") << Bytes().cabecera(1).raw(buena).d;
        QTest::newRow("texto más largo que el archivo")
            << Bytes().cabecera(1).r32(1).e16(1).u16(8).u16(60000).raw("abc").d;
        auto conFila = [](int nivel, const QByteArray& letra, Bytes nivelRaro = Bytes()) {
            Bytes b;
            b.cabecera(6);
            for (int n = 1; n <= 5; ++n)
                b.fila(n, "A", n);
            if (nivelRaro.d.isEmpty())
                b.fila(nivel, letra, 9);
            else
                b.r32(1).raw(nivelRaro.d).texto("P").texto("a").texto("b").texto("c").texto("d").texto(letra).e16(0).e32(9);
            return b.d;
        };
        QTest::newRow("nivel 0") << conFila(0, "A");
        QTest::newRow("nivel 6") << conFila(6, "A");
        QTest::newRow("nivel -1") << conFila(-1, "A");
        QTest::newRow("nivel 2,5") << conFila(0, "A", Bytes().r32(2.5f));
        QTest::newRow("nivel NaN") << conFila(0, "A", Bytes().r64(std::nan("")));
        QTest::newRow("nivel enorme") << conFila(0, "A", Bytes().r64(1e300));
        QTest::newRow("nivel en texto sin número") << conFila(0, "A", Bytes().texto("tres"));
        QTest::newRow("nivel en texto con coma") << conFila(0, "A", Bytes().texto("3,0"));
        QTest::newRow("nivel en texto 2.5") << conFila(0, "A", Bytes().texto("2.5"));
        QTest::newRow("nivel en texto vacío") << conFila(0, "A", Bytes().texto(""));
        QTest::newRow("nivel vacío") << conFila(0, "A", Bytes().u16(0));
        QTest::newRow("letra E") << conFila(1, "E");
        QTest::newRow("letra minúscula") << conFila(1, "a");
        QTest::newRow("letra vacía") << conFila(1, "");
        QTest::newRow("letra con espacio") << conFila(1, " A");
        Bytes sinNivel3;
        sinNivel3.cabecera(4).fila(1).fila(2).fila(4).fila(5);
        QTest::newRow("falta un nivel") << sinNivel3.d;
    }

    void archivoMalo()
    {
        QFETCH(QByteArray, datos);
        const auto l = ArchivoBase::leer(datos);
        QVERIFY(!l.valida());
        QVERIFY(l.tabla.empty());
        guardarSemilla(QStringLiteral("malo-")
                           + QString::fromLatin1(QCryptographicHash::hash(datos, QCryptographicHash::Sha1).toHex().left(12)),
                       datos);
    }

    // What the game reads although a stricter reader would not: bytes after
    // the table (the file is one tagged value; the rest is no part of it),
    // and a level held as text, read as its number like the counts. Either
    // way the table is the file's and writes back with the tags it had.
    void archivoBueno_data()
    {
        QTest::addColumn<QByteArray>("datos");
        QTest::addColumn<int>("sobrantes");
        QTest::addColumn<int>("nivelTexto");  // row whose level is text, or -1
        const QByteArray buena = basePlana();
        QTest::newRow("un byte de más") << buena + QByteArray("\0", 1) << 1 << -1;
        QTest::newRow("otra tabla detrás") << buena + buena << int(buena.size()) << -1;
        QTest::newRow("basura detrás") << buena + QByteArray(1000, '\xff') << 1000 << -1;
        auto conNivelTexto = [](const QByteArray& nivel) {
            Bytes b;
            b.cabecera(5).fila(1, "B", 1).fila(2, "B", 2);
            b.r32(3).texto(nivel).texto("P").texto("a").texto("b").texto("c").texto("d").texto("C").e16(0).e32(3);
            b.fila(4, "B", 4).fila(5, "B", 5);
            return b.d;
        };
        QTest::newRow("nivel \"3\"") << conNivelTexto("3") << 0 << 2;
        QTest::newRow("nivel \" 3 \"") << conNivelTexto(" 3 ") << 0 << 2;
        QTest::newRow("nivel \"3.0\"") << conNivelTexto("3.0") << 0 << 2;
    }

    void archivoBueno()
    {
        QFETCH(QByteArray, datos);
        QFETCH(int, sobrantes);
        QFETCH(int, nivelTexto);
        const auto l = ArchivoBase::leer(datos);
        QVERIFY2(l.valida(), qPrintable(l.error));
        QCOMPARE(l.sobrantes, qint64(sobrantes));
        QCOMPARE(l.tabla.size(), size_t(5));
        QVERIFY(!l.reagrupada);
        for (int r = 0; r < 5; ++r)
            QCOMPARE(l.tabla[size_t(r)].nivel(), r + 1);
        if (nivelTexto >= 0)
            QVERIFY(l.tabla[size_t(nivelTexto)][FilaBase::Nivel].esTexto());
        QCOMPARE(ArchivoBase::serializar(l.tabla), datos.chopped(sobrantes));
    }

    // Only a regular file is read: a pipe would hold the start for ever, a
    // device would be read without end. Each is refused at once.
    void soloArchivosNormales_data()
    {
        QTest::addColumn<QString>("clase");
        QTest::addColumn<bool>("valida");
        QTest::newRow("tubería") << "fifo" << false;
        QTest::newRow("enlace a /dev/zero") << "/dev/zero" << false;
        QTest::newRow("enlace a /dev/null") << "/dev/null" << false;
        QTest::newRow("carpeta") << "dir" << false;
        QTest::newRow("enlace a una base") << "link" << true;
    }

    void soloArchivosNormales()
    {
        QFETCH(QString, clase);
        QFETCH(bool, valida);
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("QBase.qdb"));
        if (clase == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(ruta).constData(), 0600), 0);
        } else if (clase == QLatin1String("dir")) {
            QVERIFY(QDir().mkdir(ruta));
        } else if (clase == QLatin1String("link")) {
            QVERIFY(ArchivoBase::escribir(dir.filePath(QStringLiteral("otra.qdb")), TablaDePrueba(1)));
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("otra.qdb")), ruta));
        } else {
            QVERIFY(QFileInfo::exists(clase));
            QVERIFY(QFile::link(clase, ruta));
        }
        auto lectura = std::async(std::launch::async, [ruta] { return ArchivoBase::leerArchivo(ruta); });
        if (lectura.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            // Lets a reader stuck on the pipe go, so the test can end.
            const int fd = ::open(QFile::encodeName(ruta).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
            QFAIL("the reading did not end");
        }
        QCOMPARE(lectura.get().valida(), valida);
    }

    void nivelesDesordenadosSeReagrupan()
    {
        Bytes b;
        b.cabecera(7).fila(3, "A", 31).fila(1, "A", 11).fila(5, "A", 51).fila(2, "A", 21).fila(1, "A", 12).fila(4, "A", 41).fila(3, "A", 32);
        const auto l = ArchivoBase::leer(b.d);
        QVERIFY2(l.valida(), qPrintable(l.error));
        QVERIFY(l.reagrupada);
        QList<qint64> ids;
        for (const FilaBase& f : l.tabla)
            ids << qint64(f[FilaBase::ID].numero());
        QCOMPARE(ids, (QList<qint64>{11, 12, 21, 31, 32, 41, 51}));
    }

    void escrituraFallidaDejaElArchivo()
    {
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("QBase.qdb"));
        QVERIFY(ArchivoBase::escribir(ruta, TablaDePrueba(2)));
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray antes = f.readAll();
        f.close();

        ArchivoBase::fijarLimiteEscritura(100);
        const bool escrito = ArchivoBase::escribir(ruta, TablaDePrueba(4));
        ArchivoBase::fijarLimiteEscritura(-1);
        QVERIFY(!escrito);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), antes);
        f.close();
        // No half-written temporary is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("QBase.qdb")});

        QVERIFY(ArchivoBase::escribir(ruta, TablaDePrueba(4)));
        QVERIFY(ArchivoBase::leerArchivo(ruta).tabla == TablaDePrueba(4));
    }

    // The safe write keeps what a file beside the game relies on: a file
    // keeps its permissions (a base shared with a group), a link stays a
    // link and its target is replaced, a new file is made as the umask
    // says, and a file the player may not write is left alone.
    void escrituraSeguraConservaElArchivo_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("permissions kept") << "0640";
        QTest::newRow("link kept") << "enlace";
        QTest::newRow("new file") << "nuevo";
        QTest::newRow("read-only file") << "0444";
    }
    void escrituraSeguraConservaElArchivo()
    {
        QFETCH(QString, caso);
        QTemporaryDir dir;
        const QString ruta = dir.filePath(QStringLiteral("QBase.qdb"));
        const QString destino = dir.filePath(QStringLiteral("real.qdb"));
        const mode_t mascara = ::umask(022);
        if (caso == QLatin1String("enlace")) {
            QVERIFY(ArchivoBase::escribir(destino, TablaDePrueba(1)));
            QVERIFY(QFile::link(destino, ruta));
        } else if (caso != QLatin1String("nuevo")) {
            QVERIFY(ArchivoBase::escribir(ruta, TablaDePrueba(1)));
            QVERIFY(::chmod(QFile::encodeName(ruta).constData(), caso.toUInt(nullptr, 8)) == 0);
        }
        const bool escrito = ArchivoBase::escribir(ruta, TablaDePrueba(2));
        ::umask(mascara);
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(ruta).constData(), &st) == 0);
        const mode_t modo = st.st_mode & 07777;
        const TablaBase leida = ArchivoBase::leerArchivo(ruta).tabla;
        if (caso == QLatin1String("0444") && ::geteuid() != 0) {
            QVERIFY(!escrito);
            QVERIFY(leida == TablaDePrueba(1));
        } else {
            QVERIFY(escrito);
            QVERIFY(leida == TablaDePrueba(2));
        }
        if (caso == QLatin1String("enlace")) {
            QVERIFY(QFileInfo(ruta).isSymLink());
            QVERIFY(ArchivoBase::leerArchivo(destino).tabla == TablaDePrueba(2));
        }
        const mode_t esperado = caso == QLatin1String("enlace") || caso == QLatin1String("nuevo") ? 0644
                                                                                                  : caso.toUInt(nullptr, 8);
        QCOMPARE(int(modo), int(esperado));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 caso == QLatin1String("enlace") ? 2 : 1);
    }

    // Every input the fuzzer ever kept or crashed on is read again here;
    // none may crash, and the seeds that are bad files stay bad.
    void corpus()
    {
        const QString carpeta = QFINDTESTDATA("corpus");
        QVERIFY(!carpeta.isEmpty());
        const auto archivos = QDir(carpeta).entryInfoList(QDir::Files);
        QVERIFY(!archivos.isEmpty());
        for (const QFileInfo& fi : archivos) {
            QFile f(fi.filePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const auto l = ArchivoBase::leer(f.readAll());
            if (fi.fileName().startsWith(QLatin1String("malo-")))
                QVERIFY2(!l.valida(), qPrintable(fi.fileName()));
            if (l.valida())
                QVERIFY(!ArchivoBase::serializar(l.tabla).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TstArchivoBase)
#include "tst_ArchivoBase.moc"
