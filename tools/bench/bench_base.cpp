// Times the question bank on a generated base of 100 000 questions: loading,
// 10 000 draws and Reiniciar (sort and write), each beside a plain copy of
// the same file, the least any load or write of it could cost; and, on the
// shipped base, what counting one question costs with the save that follows
// it (SePreguntó). It also measures the memory a load takes at its peak,
// beside the file's size: in a fresh process of its own (bench_base --pico
// FOLDER), from the resident size before the load to the highest it reaches
// during it; once for the generated base, once for a file of a million empty
// rows, which the game refuses; and for what `orvalia-qdb check` does with
// the same two files (bench_base --pico-check FILE).
#include "ArchivoBase.h"
#include "Archivos.h"
#include "Comprobador.h"
#include "Pregunta.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {
constexpr int Preguntas = 100000;
constexpr int Sorteos = 10000;
constexpr int Repeticiones = 5;

TablaBase generar()
{
    Azar azar;
    azar.sembrar(2026);
    TablaBase t;
    t.reserve(Preguntas);
    for (int i = 0; i < Preguntas; ++i) {
        const int nivel = i * 5 / Preguntas + 1;
        FilaBase f;
        f[FilaBase::Orden] = ValorEtiquetado::real32(float(AzarEntero(azar, 1000)));
        f[FilaBase::Nivel] = ValorEtiquetado::entero16(qint16(nivel));
        f[FilaBase::Enunciado] = ValorEtiquetado::texto(
            QStringLiteral("¿Cuál de estos personajes aparece en el relato número %1 del libro?").arg(i));
        for (int r = 0; r < 4; ++r)
            f[FilaBase::RespA + r] = ValorEtiquetado::texto(QStringLiteral("Respuesta %1 de %2").arg(r).arg(i));
        f[FilaBase::LetraCorrecta] = ValorEtiquetado::texto(QString(QChar(u'A' + AzarEntero(azar, 4))));
        f[FilaBase::Veces] = ValorEtiquetado::entero16(qint16(AzarEntero(azar, 20)));
        f[FilaBase::ID] = ValorEtiquetado::entero32(i + 1);
        t.push_back(std::move(f));
    }
    Pregunta::OrdenarTabla(t);
    return t;
}

// A line of /proc/self/status in bytes ("VmRSS", "VmHWM"); -1 if absent.
qint64 estadoProceso(const QByteArray& clave)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray& linea : f.readAll().split('\n'))
        if (linea.startsWith(clave + ':'))
            return linea.mid(clave.size() + 1).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}

// The child's side: loads the base in carpeta once and prints how many
// bytes the resident size rose at its highest. It ends without releasing
// the bank, so nothing is written back.
int picoDeCarga(const QString& carpeta)
{
    const qint64 antes = estadoProceso("VmRSS");
    // Writing 5 to clear_refs sets the high-water mark back to the present size.
    QFile reinicio(QStringLiteral("/proc/self/clear_refs"));
    if (!reinicio.open(QIODevice::WriteOnly) || reinicio.write("5") != 1)
        return 2;
    reinicio.close();
    Azar azar;
    auto q = Pregunta::Crear(carpeta, azar);
    const qint64 pico = estadoProceso("VmHWM");
    std::printf("%lld %d\n", static_cast<long long>(pico - antes), q ? q->Filas() : -1);
    std::fflush(stdout);
    std::_Exit(0);
}

// Runs this program once more on carpeta (--pico) or on a file
// (--pico-check) and returns the peak it reports.
qint64 medirPico(const QString& carpeta, int* filas, const QString& modo = QStringLiteral("--pico"))
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {modo, carpeta});
    if (!p.waitForFinished(120000))
        return -1;
    const QList<QByteArray> partes = p.readAllStandardOutput().trimmed().split(' ');
    *filas = partes.value(1).toInt();
    return partes.value(0).toLongLong();
}

// The child's side for `orvalia-qdb check`: what the tool does with one
// base (read its structure, hand the rows to the checks, check, report),
// measured as picoDeCarga measures a load. It prints the rise and the
// problems counted.
int picoDeCheck(const QString& archivo)
{
    const qint64 antes = estadoProceso("VmRSS");
    QFile reinicio(QStringLiteral("/proc/self/clear_refs"));
    if (!reinicio.open(QIODevice::WriteOnly) || reinicio.write("5") != 1)
        return 2;
    reinicio.close();
    ArchivoBase::Lectura l = ArchivoBase::leerArchivo(archivo, true);
    Comprobador c;
    if (l.valida())
        c.agregarBase(archivo, std::move(l.tabla));
    c.comprobar(true);
    QString salida, errores;
    QTextStream s(&salida), e(&errores);
    c.informe(s, e);
    const qint64 pico = estadoProceso("VmHWM");
    std::printf("%lld %lld\n", static_cast<long long>(pico - antes), static_cast<long long>(errores.count(u'\n')));
    std::fflush(stdout);
    std::_Exit(0);
}

// Best of several runs, in milliseconds.
double medir(const std::function<void()>& antes, const std::function<void()>& trabajo)
{
    double mejor = 1e300;
    for (int i = 0; i < Repeticiones; ++i) {
        antes();
        QElapsedTimer reloj;
        reloj.start();
        trabajo();
        mejor = std::min(mejor, double(reloj.nsecsElapsed()) / 1e6);
    }
    return mejor;
}
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--pico")
        return picoDeCarga(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && QByteArray(argv[1]) == "--pico-check")
        return picoDeCheck(QString::fromLocal8Bit(argv[2]));
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString qdb = dir.filePath(Pregunta::NombreArchivo());
    const QString copia = dir.filePath(QStringLiteral("copia.qdb"));
    const TablaBase tabla = generar();
    if (!ArchivoBase::escribir(qdb, tabla)) {
        out << "cannot write " << qdb << "\n";
        return 1;
    }
    const qint64 bytes = QFile(qdb).size();

    const double tCopia = medir([&] { QFile::remove(copia); }, [&] { QFile::copy(qdb, copia); });

    std::unique_ptr<Pregunta> q;
    Azar azar;
    azar.sembrar(7);
    const double tCarga = medir([&] { q.reset(); ArchivoBase::escribir(qdb, tabla); },
                                [&] { q = Pregunta::Crear(dir.path(), azar); });
    if (!q) {
        out << "the generated base did not load\n";
        return 1;
    }

    qint64 suma = 0;
    const double tSorteos = medir([] {}, [&] {
        for (int i = 0; i < Sorteos; ++i) {
            q->PreguntaNueva(qint16(i % 5 + 1));
            suma += q->Enunciado().size() + q->Respuesta(q->Correcta()).size() + q->ID();
        }
    });

    const double tReiniciar = medir([] {}, [&] { q->Reiniciar(); });
    // Where Reiniciar's time goes: the sort, building the bytes, and the
    // safe write (temporary file, flushed to disk, then renamed).
    TablaBase otra = q->Base();
    const double tOrdenar = medir([&] { otra = tabla; }, [&] { Pregunta::OrdenarTabla(otra); });
    QByteArray bytesEscritos;
    const double tSerializar = medir([] {}, [&] { bytesEscritos = ArchivoBase::serializar(q->Base()); });
    const double tEscribir = medir([] {}, [&] { ArchivoBase::escribir(qdb, q->Base()); });

    auto linea = [&](const char* que, double ms) {
        out << qSetFieldWidth(34) << Qt::left << que << qSetFieldWidth(10) << Qt::right
            << QString::number(ms, 'f', 2) << qSetFieldWidth(0) << " ms   x"
            << QString::number(ms / tCopia, 'f', 1) << " the copy\n";
    };
    out << "Question base: " << Preguntas << " questions, " << bytes / 1024 << " KiB; best of " << Repeticiones
        << " runs\n";
    linea("plain copy of the file (floor)", tCopia);
    linea("load (Pregunta::Crear)", tCarga);
    linea("10 000 draws (PreguntaNueva...)", tSorteos);
    linea("Reiniciar (sort and write)", tReiniciar);
    linea("  of which: sort", tOrdenar);
    linea("  of which: bytes in memory", tSerializar);
    linea("  of which: write (with the bytes)", tEscribir);
    {
        // One question counted on the shipped base, as the board counts it:
        // the count, a sorted copy of the order, the bytes and the safe write.
        QTemporaryDir juego;
        const QString enviada = RutaPrograma(Pregunta::NombreArchivo());
        if (QFile::copy(enviada, juego.filePath(Pregunta::NombreArchivo()))) {
            const qint64 tamano = QFile(enviada).size();
            auto j = Pregunta::Crear(juego.path(), azar);
            const double tCopiaEnviada = medir([&] { QFile::remove(juego.filePath(QStringLiteral("c"))); },
                                               [&] { QFile::copy(enviada, juego.filePath(QStringLiteral("c"))); });
            constexpr int Contadas = 20;
            const double tContar = j ? medir([] {}, [&] {
                for (int i = 0; i < Contadas; ++i) {
                    j->PreguntaNueva(qint16(i % 5 + 1));
                    j->SePreguntó();
                }
            }) / Contadas : -1;
            out << "Shipped base, " << tamano / 1024 << " KiB: one question counted and saved (SePreguntó) "
                << QString::number(tContar, 'f', 2) << " ms; a plain copy of the file "
                << QString::number(tCopiaEnviada, 'f', 2) << " ms\n";
        } else {
            out << "Shipped base not found at " << enviada << ": the per-question save is not measured\n";
        }
    }
    auto lineaPico = [&](const char* que, const QString& carpeta, qint64 tamano) {
        int filas = 0;
        const qint64 pico = medirPico(carpeta, &filas);
        out << que << pico / 1024 << " KiB for " << tamano / 1024 << " KiB of file, x"
            << QString::number(double(pico) / double(tamano), 'f', 1) << " the file ("
            << (filas < 0 ? QStringLiteral("refused") : QString::number(filas) + QStringLiteral(" rows")) << ")\n";
    };
    lineaPico("load peak memory: ", dir.path(), bytes);
    auto lineaCheck = [&](const char* que, const QString& archivo, qint64 tamano) {
        int lineas = 0;
        const qint64 pico = medirPico(archivo, &lineas, QStringLiteral("--pico-check"));
        out << que << pico / 1024 << " KiB for " << tamano / 1024 << " KiB of file, x"
            << QString::number(double(pico) / double(tamano), 'f', 1) << " the file (" << lineas
            << " lines of problems)\n";
    };
    lineaCheck("orvalia-qdb check peak memory: ", qdb, bytes);
    {
        // A header that claims a million rows, each ten empty values.
        QTemporaryDir vacia;
        QByteArray b(20 + 1000000 * 20, '\0');
        const char cabecera[] = {0x0C, 0x20, 2, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0x40, 0x42, 0x0F, 0, 0, 0, 0, 0};
        std::copy(cabecera, cabecera + 20, b.begin());
        QFile f(vacia.filePath(Pregunta::NombreArchivo()));
        if (f.open(QIODevice::WriteOnly) && f.write(b) == b.size()) {
            f.close();
            lineaPico("load peak memory, empty rows: ", vacia.path(), b.size());
            lineaCheck("orvalia-qdb check peak memory, empty rows: ", f.fileName(), b.size());
        }
    }
    out << "per draw: " << QString::number(tSorteos * 1000.0 / Sorteos, 'f', 2) << " us  (checksum " << suma % 997
        << ")\n";
    q.reset();
    return 0;
}
