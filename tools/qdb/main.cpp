// orvalia-qdb: checks, exports, imports and sorts the question base.
//
//   orvalia-qdb check FILE...             a base (.qdb/.bak) or source CSVs
//   orvalia-qdb export FILE [CSV]         UTF-8 CSV on standard output or CSV
//   orvalia-qdb import [--solo-lectura] CSV... FILE
//   orvalia-qdb sort FILE                 the game's own sort, then write
//   orvalia-qdb path                      the base this user's game plays
//
// A base is read as the game reads it (ArchivoBase::leerArchivo: a regular
// file only, no more than its table), and written holding its lock
// (CerrojoBase), so that neither a pipe nor the game or the editor at work
// on the same base can hold up or undo what the tool does.
//
// Exit status: 0 fine; 1 an error (the file named, and its row or line);
// 2 check found warnings only.
#include "ArchivoBase.h"
#include "CerrojoBase.h"
#include "Comprobador.h"
#include "Csv.h"
#include "FilaCsv.h"
#include "FuenteCsv.h"
#include "Pregunta.h"
#include "Ubicaciones.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>

namespace {
QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}
QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

int falla(const QString& mensaje)
{
    err() << "orvalia-qdb: " << mensaje << "\n";
    err().flush();
    return 1;
}

// "QBase.qdb: fila 12: motivo" — the file, the row when known, and why.
QString motivoLectura(const QString& ruta, const ArchivoBase::Lectura& l)
{
    return ruta + (l.fila >= 0 ? QStringLiteral(": fila %1").arg(l.fila) : QString()) + QStringLiteral(": ") + l.error;
}

bool esCsv(const QString& ruta) { return ruta.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive); }

// Reads the questions of a CSV into entries for the checker; false, with a
// message naming the file and line, when the file cannot be read as rows.
bool leerCsv(const QString& ruta, std::vector<Comprobador::Entrada>& entradas, QString* error)
{
    FuenteCsv fuente = FuenteCsv::leerArchivo(ruta);
    if (!fuente.valida()) {
        *error = fuente.error;
        return false;
    }
    for (FuenteCsv::Fila& f : fuente.filas)
        entradas.push_back({std::move(f.fila), QStringLiteral("%1:%2").arg(ruta).arg(f.linea),
                            fuente.tieneReferencia(), f.referencia});
    return true;
}

int check(const QStringList& rutas)
{
    // Each file's rows are handed over whole, not copied: what the check
    // holds is about what the game's reader holds of the same files.
    Comprobador comprobador;
    bool hayBase = false;
    for (const QString& ruta : rutas) {
        if (esCsv(ruta)) {
            FuenteCsv fuente = FuenteCsv::leerArchivo(ruta);
            if (!fuente.valida())
                return falla(fuente.error);
            comprobador.agregarFuente(ruta, std::move(fuente));
            continue;
        }
        hayBase = true;
        ArchivoBase::Lectura l = ArchivoBase::leerArchivo(ruta, true);
        if (!l.valida())
            return falla(motivoLectura(ruta, l));
        comprobador.agregarBase(ruta, std::move(l.tabla));
    }
    comprobador.comprobar(hayBase && rutas.size() == 1);
    comprobador.informe(out(), err());
    return comprobador.codigoSalida();
}

bool leerBase(const QString& ruta, TablaBase& tabla, QString* error)
{
    const ArchivoBase::Lectura l = ArchivoBase::leerArchivo(ruta);
    if (!l.valida()) {
        *error = motivoLectura(ruta, l);
        return false;
    }
    tabla = l.tabla;
    return true;
}

int exportar(const QString& ruta, const QString& destino)
{
    // Only the structure is required: a base the game would refuse can
    // still be written out and mended by hand.
    const ArchivoBase::Lectura l = ArchivoBase::leerArchivo(ruta, true);
    if (!l.valida())
        return falla(motivoLectura(ruta, l));
    QString texto = Csv::linea(FilaCsv::Cabecera() << FilaCsv::ColumnaEtiquetas());
    for (const FilaBase& fila : l.tabla)
        texto += Csv::linea(FilaCsv::desdeFila(fila));
    const QByteArray utf8 = texto.toUtf8();
    if (destino.isEmpty()) {
        QFile s;
        if (!s.open(stdout, QIODevice::WriteOnly) || s.write(utf8) != utf8.size())
            return falla(QStringLiteral("no se pudo escribir la salida"));
        return 0;
    }
    QFile s(destino);
    if (!s.open(QIODevice::WriteOnly | QIODevice::Truncate) || s.write(utf8) != utf8.size())
        return falla(destino + QStringLiteral(": no se pudo escribir"));
    return 0;
}

// Takes the base's lock, as the game and the editor do; empty once held,
// else why the base may not be written now.
QString tomarCerrojo(CerrojoBase& cerrojo, const QString& ruta)
{
    switch (cerrojo.tomar()) {
    case CerrojoBase::Tomado:
        return QString();
    case CerrojoBase::EnUso:
        return ruta
            + (cerrojo.editorTitular()
                   ? QStringLiteral(": el editor de preguntas tiene abierta esta base; ciérralo y vuelve a intentarlo")
                   : QStringLiteral(": el juego está abierto con esta base; ciérralo y vuelve a intentarlo"))
            + QStringLiteral(". No se ha escrito nada.");
    case CerrojoBase::SinCerrojo:
        break;
    }
    return QStringLiteral("%1: no se puede crear su cerrojo %2 (¿una carpeta en la que no se puede escribir?). "
                          "No se ha escrito nada.")
        .arg(ruta, QDir::toNativeSeparators(CerrojoBase::Ruta(ruta)));
}

bool escribirBase(const QString& ruta, const TablaBase& tabla, bool soloLectura)
{
    if (QFileInfo::exists(ruta))  // a read-only backup is replaced all the same
        QFile::setPermissions(ruta, QFile::permissions(ruta) | QFileDevice::WriteOwner);
    if (!ArchivoBase::escribir(ruta, tabla))
        return false;
    if (soloLectura)
        QFile::setPermissions(ruta, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}

int importar(QStringList args)
{
    bool soloLectura = false;
    if (!args.isEmpty() && args.first() == QLatin1String("--solo-lectura")) {
        soloLectura = true;
        args.removeFirst();
    }
    if (args.size() < 2)
        return falla(QStringLiteral("import necesita uno o más CSV y el archivo de destino"));
    const QString destino = args.takeLast();
    std::vector<Comprobador::Entrada> entradas;
    for (const QString& csv : args) {
        QString e;
        if (!leerCsv(csv, entradas, &e))
            return falla(e);
    }
    TablaBase tabla;
    for (const auto& x : entradas) {
        const QString e = ArchivoBase::errorDeFila(x.fila);
        if (!e.isEmpty())
            return falla(x.lugar + QStringLiteral(": ") + e);
        tabla.push_back(x.fila);
    }
    // Rows stand as the game's own sort leaves them: by level, then Veces,
    // then Orden. A source whose counts are all 0 is thus in ascending Orden
    // within each level, and a base written out by export comes back with
    // the same bytes.
    Pregunta::OrdenarTabla(tabla);
    const QString e = ArchivoBase::comprobarNiveles(tabla);
    if (!e.isEmpty())
        return falla(destino + QStringLiteral(": ") + e);
    CerrojoBase cerrojo(destino);
    if (const QString no = tomarCerrojo(cerrojo, destino); !no.isEmpty())
        return falla(no);
    if (!escribirBase(destino, tabla, soloLectura))
        return falla(destino + QStringLiteral(": no se pudo escribir"));
    return 0;
}

int ordenar(const QString& ruta)
{
    // Held from the reading on: what is sorted is what is written over.
    CerrojoBase cerrojo(ruta);
    if (const QString no = tomarCerrojo(cerrojo, ruta); !no.isEmpty())
        return falla(no);
    TablaBase tabla;
    QString e;
    if (!leerBase(ruta, tabla, &e))
        return falla(e);
    Pregunta::OrdenarTabla(tabla);
    if (!ArchivoBase::escribir(ruta, tabla))
        return falla(ruta + QStringLiteral(": no se pudo escribir"));
    return 0;
}

int uso()
{
    err() << "uso: orvalia-qdb check ARCHIVO...\n"
             "     orvalia-qdb export ARCHIVO [CSV]\n"
             "     orvalia-qdb import [--solo-lectura] CSV... ARCHIVO\n"
             "     orvalia-qdb sort ARCHIVO\n"
             "     orvalia-qdb path\n";
    err().flush();
    return 1;
}
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return uso();
    const QString orden = args.takeFirst();
    if (orden == QLatin1String("check") && !args.isEmpty())
        return check(args);
    if (orden == QLatin1String("export") && (args.size() == 1 || args.size() == 2))
        return exportar(args[0], args.value(1));
    if (orden == QLatin1String("import"))
        return importar(args);
    if (orden == QLatin1String("sort") && args.size() == 1)
        return ordenar(args[0]);
    if (orden == QLatin1String("path") && args.isEmpty()) {
        out() << Ubicaciones::BaseDelJugador().rutas.principal << "\n";
        out().flush();
        return 0;
    }
    return uso();
}
