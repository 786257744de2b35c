#include "FuenteCsv.h"

#include "Csv.h"

#include <QFile>
#include <QFileInfo>

namespace {
FuenteCsv fallo(const QString& error)
{
    FuenteCsv f;
    f.error = error;
    return f;
}
}

FuenteCsv FuenteCsv::leer(const QByteArray& utf8, const QString& nombre, bool huecos)
{
    std::vector<Csv::Registro> registros;
    QString e;
    int linea = 0;
    if (!Csv::leer(utf8, registros, &e, &linea))
        return fallo(QStringLiteral("%1:%2: %3").arg(nombre).arg(linea).arg(e));
    if (registros.empty())
        return fallo(nombre + QStringLiteral(": no tiene cabecera"));
    FuenteCsv f;
    if (!FilaCsv::columnas(registros[0].campos, f.columnas, &e))
        return fallo(QStringLiteral("%1:1: %2").arg(nombre, e));
    f.bom = utf8.startsWith("\xEF\xBB\xBF");
    f.cabecera = registros[0].campos;
    f.cabeceraCruda = registros[0].crudo;
    if (!f.cabeceraCruda.endsWith(u'\n'))
        f.cabeceraCruda += f.finDeLinea;  // a header alone, without a break
    else if (!f.cabeceraCruda.endsWith(QLatin1String("\r\n")))
        f.finDeLinea = QStringLiteral("\n");

    const int blancos[] = {FilaBase::Orden, FilaBase::Veces, FilaBase::ID};
    f.filas.reserve(registros.size() - 1);
    for (size_t i = 1; i < registros.size(); ++i) {
        Csv::Registro& r = registros[i];
        Fila fila;
        fila.linea = r.linea;
        if (huecos && r.campos.size() == f.columnas.total) {
            // A blank stands in for the value the caller will choose; the
            // cells themselves stay as written.
            QStringList celdas = r.campos;
            for (int c : blancos) {
                QString& celda = celdas[f.columnas.campo[size_t(c)]];
                if (celda.trimmed().isEmpty()) {
                    celda = QStringLiteral("0");
                    fila.huecos |= hueco(c);
                }
            }
            if (!FilaCsv::aFila(celdas, f.columnas, fila.fila, &e))
                return fallo(QStringLiteral("%1:%2: %3").arg(nombre).arg(r.linea).arg(e));
        } else if (!FilaCsv::aFila(r.campos, f.columnas, fila.fila, &e)) {
            return fallo(QStringLiteral("%1:%2: %3").arg(nombre).arg(r.linea).arg(e));
        }
        if (f.columnas.referencia >= 0)
            fila.referencia = r.campos[f.columnas.referencia];
        if (f.columnas.evidencia >= 0)
            fila.evidencia = r.campos[f.columnas.evidencia];
        fila.celdas = std::move(r.campos);
        fila.crudo = std::move(r.crudo);
        f.filas.push_back(std::move(fila));
    }
    return f;
}

FuenteCsv FuenteCsv::leerArchivo(const QString& ruta, bool huecos)
{
    const QFileInfo info(ruta);
    if (info.exists() && !info.isFile())
        return fallo(ruta + QStringLiteral(": no es un archivo normal"));
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return fallo(ruta + QStringLiteral(": no se puede abrir"));
    return leer(archivo.readAll(), ruta, huecos);
}
