#include "ArchivoPreguntas.h"

#include "ArchivoBase.h"
#include "Csv.h"
#include "FuenteCsv.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace ArchivoPreguntas {

Formato formatoDe(const QString& ruta)
{
    return ruta.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? Formato::Csv : Formato::Qdb;
}

QString nombre(const QString& ruta) { return QStringLiteral("«%1»").arg(QFileInfo(ruta).fileName()); }

namespace {

Lectura fallo(const QString& error)
{
    Lectura l;
    l.error = error;
    return l;
}

Lectura leerQdb(const QString& ruta)
{
    QFile f(ruta);
    if (!f.exists())
        return fallo(QStringLiteral("No existe el archivo %1.").arg(nombre(ruta)));
    // Read as the game reads it: a regular file only (a pipe would keep the
    // window waiting), and no more than its table. A regular file is tried
    // first only to say why it cannot be opened, in the system's words.
    if (QFileInfo(ruta).isFile() && !f.open(QIODevice::ReadOnly))
        return fallo(QStringLiteral("No se puede leer %1: %2.").arg(nombre(ruta), f.errorString()));
    ArchivoBase::Lectura b = ArchivoBase::leerArchivo(ruta);
    if (!b.valida()) {
        const QString donde = b.fila >= 0 ? QStringLiteral(" (en la fila %1)").arg(b.fila + 1) : QString();
        return fallo(QStringLiteral("%1 no es una base de preguntas que el juego pueda leer: %2%3.")
                         .arg(nombre(ruta), b.error, donde));
    }
    Lectura l;
    l.formato = Formato::Qdb;
    l.reagrupada = b.reagrupada;
    l.filas.reserve(b.tabla.size());
    for (FilaBase& fila : b.tabla) {
        FilaEditable e;
        e.fila = std::move(fila);
        l.filas.push_back(std::move(e));
    }
    l.huecos.assign(l.filas.size(), 0);
    return l;
}

Lectura leerCsv(const QString& ruta, bool huecos)
{
    if (!QFileInfo::exists(ruta))
        return fallo(QStringLiteral("No existe el archivo %1.").arg(nombre(ruta)));
    FuenteCsv fuente = FuenteCsv::leerArchivo(ruta, huecos);
    if (!fuente.valida()) {
        // The reader says "path:line: why"; the teacher knows the file by
        // its name, and the line is said in words.
        static const QRegularExpression forma(QStringLiteral("^:(\\d+): (.*)$"),
                                              QRegularExpression::DotMatchesEverythingOption);
        QString e = fuente.error.startsWith(ruta) ? fuente.error.mid(ruta.size()) : fuente.error;
        const QRegularExpressionMatch m = forma.match(e);
        if (m.hasMatch())
            e = QStringLiteral("en la línea %1, %2").arg(m.captured(1), m.captured(2));
        else if (e.startsWith(QLatin1String(": ")))
            e = e.mid(2);
        return fallo(QStringLiteral("No se puede leer %1 como preguntas: %2.").arg(nombre(ruta), e));
    }
    Lectura l;
    l.formato = Formato::Csv;
    l.csv = {fuente.cabeceraCruda, fuente.cabecera, fuente.columnas, fuente.finDeLinea, fuente.bom};
    l.filas.reserve(fuente.filas.size());
    for (FuenteCsv::Fila& f : fuente.filas) {
        // Every row must belong to a level: the editor files it there and
        // gives new questions IDs by it. A missing right letter is only a
        // problem to mend, shown beside the question.
        if (f.fila.nivel() == 0)
            return fallo(QStringLiteral("%1, línea %2: el nivel «%3» no es un número de 1 a 5.")
                             .arg(nombre(ruta))
                             .arg(f.linea)
                             .arg(f.fila[FilaBase::Nivel].aTexto()));
        FilaEditable e;
        e.fila = std::move(f.fila);
        e.referencia = std::move(f.referencia);
        e.evidencia = std::move(f.evidencia);
        e.celdas = std::move(f.celdas);
        e.crudo = std::move(f.crudo);
        l.filas.push_back(std::move(e));
        l.huecos.push_back(f.huecos);
    }
    return l;
}

QString linea(const QStringList& valores, const QString& fin)
{
    QStringList c;
    c.reserve(valores.size());
    for (const QString& v : valores)
        c << Csv::campo(v);
    return c.join(u',') + fin;
}

bool etiquetasUsuales(const FilaBase& f)
{
    for (int i = 0; i < FilaBase::NumCampos; ++i)
        if (f[i].etiqueta() != FilaCsv::etiquetaUsual(i))
            return false;
    return true;
}

}  // namespace

Lectura leer(const QString& ruta)
{
    return formatoDe(ruta) == Formato::Csv ? leerCsv(ruta, false) : leerQdb(ruta);
}

Lectura leerParaImportar(const QString& ruta) { return leerCsv(ruta, true); }

TablaBase tabla(const FilasEditables& filas, QString* error)
{
    TablaBase t;
    t.reserve(filas.size());
    for (const FilaEditable& f : filas)
        t.push_back(f.fila);
    const QString e = ArchivoBase::comprobarNiveles(t);
    if (error)
        *error = e;
    return t;
}

QByteArray bytesCsv(const FilasEditables& filas, const DisposicionCsv& disposicion)
{
    DisposicionCsv d = disposicion;
    bool faltan = false;
    auto agregarColumna = [&](int& columna, const QString& nombreColumna) {
        columna = int(d.cabecera.size());
        d.cabecera << nombreColumna;
        d.columnas.total = int(d.cabecera.size());
        faltan = true;
    };
    for (const FilaEditable& f : filas) {
        if (d.columnas.etiquetas < 0 && !etiquetasUsuales(f.fila))
            agregarColumna(d.columnas.etiquetas, FilaCsv::ColumnaEtiquetas());
        if (d.columnas.referencia < 0 && !f.referencia.isEmpty())
            agregarColumna(d.columnas.referencia, QStringLiteral("Referencia"));
        if (d.columnas.evidencia < 0 && !f.evidencia.isEmpty())
            agregarColumna(d.columnas.evidencia, QStringLiteral("Evidencia"));
    }

    QString texto;
    if (d.bom)
        texto += QChar(0xFEFF);
    texto += faltan || d.cabeceraCruda.isEmpty() ? linea(d.cabecera, d.finDeLinea) : d.cabeceraCruda;
    for (const FilaEditable& f : filas) {
        if (!texto.endsWith(u'\n'))
            texto += d.finDeLinea;  // the last record had no line break
        if (!f.tocada && !faltan && !f.crudo.isEmpty()) {
            texto += f.crudo;
            continue;
        }
        QStringList celdas = f.celdas;
        while (celdas.size() < d.columnas.total)
            celdas << QString();
        const QStringList valores = FilaCsv::desdeFila(f.fila);
        for (int i = 0; i < FilaBase::NumCampos; ++i)
            celdas[d.columnas.campo[size_t(i)]] = valores[i];
        if (d.columnas.etiquetas >= 0)
            celdas[d.columnas.etiquetas] = valores[FilaBase::NumCampos];
        if (d.columnas.referencia >= 0)
            celdas[d.columnas.referencia] = f.referencia;
        if (d.columnas.evidencia >= 0)
            celdas[d.columnas.evidencia] = f.evidencia;
        texto += linea(celdas, d.finDeLinea);
    }
    return texto.toUtf8();
}

QByteArray bytesExportacion(const FilasEditables& filas)
{
    bool conPasaje = false;
    for (const FilaEditable& f : filas)
        conPasaje = conPasaje || !f.referencia.isEmpty() || !f.evidencia.isEmpty();
    QStringList cabecera = FilaCsv::Cabecera() << FilaCsv::ColumnaEtiquetas();
    if (conPasaje)
        cabecera << QStringLiteral("Referencia") << QStringLiteral("Evidencia");
    QString texto = Csv::linea(cabecera);
    for (const FilaEditable& f : filas) {
        QStringList valores = FilaCsv::desdeFila(f.fila);
        if (conPasaje)
            valores << f.referencia << f.evidencia;
        texto += Csv::linea(valores);
    }
    return texto.toUtf8();
}

}  // namespace ArchivoPreguntas
