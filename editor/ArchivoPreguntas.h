#pragma once
#include "FilaCsv.h"
#include "FilaEditable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The files the editor reads and writes: a question base (.qdb, the game's
// own file) or a CSV (the sources in data/preguntas, or what the editor and
// `orvalia-qdb export` write). Messages are plain Spanish for a teacher.
namespace ArchivoPreguntas {

enum class Formato { Qdb, Csv };
// By the file's extension: ".csv" is a CSV, anything else a base.
Formato formatoDe(const QString& ruta);

// What a CSV keeps beside its rows, so that they go back as they came.
struct DisposicionCsv {
    QString cabeceraCruda;
    QStringList cabecera;
    FilaCsv::Columnas columnas;
    QString finDeLinea = QStringLiteral("\r\n");
    bool bom = false;
};

struct Lectura {
    Formato formato = Formato::Qdb;
    FilasEditables filas;
    DisposicionCsv csv;
    // Bit FuenteCsv::hueco(campo) per row: the cells an import must fill.
    std::vector<int> huecos;
    QString error;            // empty when read
    bool reagrupada = false;  // a base's levels stood out of order
    bool valida() const { return error.isEmpty(); }
};

// Opens a file as it is; a base must be one the game can load, and every
// row of a CSV must read as a question of level 1 to 5.
Lectura leer(const QString& ruta);
// A CSV for appending: Orden, Veces and ID may be left blank.
Lectura leerParaImportar(const QString& ruta);

// The rows as a base: grouped by level (the file's order within each level
// kept). Empty error when the game can load it.
TablaBase tabla(const FilasEditables& filas, QString* error);
// The rows in a CSV laid out as d: untouched rows as they were written,
// the others made anew in the file's own style. Columns a row needs that
// the file lacks (a passage typed in, unusual tags) are added at the end.
QByteArray bytesCsv(const FilasEditables& filas, const DisposicionCsv& d);
// The format of `orvalia-qdb export`: the ten fields and Etiquetas, then the
// passage and phrase when any row has them.
QByteArray bytesExportacion(const FilasEditables& filas);

// "«QBase.qdb»": the file's name as messages quote it.
QString nombre(const QString& ruta);

}  // namespace ArchivoPreguntas
