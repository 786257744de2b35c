#pragma once
#include "FilaCsv.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// A CSV file of questions, as data/preguntas/ keeps them or `orvalia-qdb
// export` writes them: a header naming the columns, then one question a
// record. Kept with what writing it back needs: the header as written, its
// line break, and each record's own text.
struct FuenteCsv {
    struct Fila {
        FilaBase fila;
        int linea = 0;            // where the record starts, from 1
        QString referencia;       // "" when the file has no such column
        QString evidencia;
        QStringList celdas;       // every cell of the record, in file order
        QString crudo;            // the record exactly as written
        // Orden, Veces or ID left blank (bit hueco(campo)); only when read
        // with huecos. The value then holds 0 with the usual tag.
        int huecos = 0;
    };

    QString cabeceraCruda;        // the header line as written, with its break
    QStringList cabecera;
    FilaCsv::Columnas columnas;
    QString finDeLinea = QStringLiteral("\r\n");  // as the header ends
    bool bom = false;             // the file began with a UTF-8 byte-order mark
    std::vector<Fila> filas;
    QString error;                // "nombre:línea: motivo"; empty when read

    bool valida() const { return error.isEmpty(); }
    bool tieneReferencia() const { return columnas.referencia >= 0; }

    // nombre names the file in error messages. huecos: a spreadsheet a
    // teacher wrote may leave Orden, Veces and ID blank for the caller to
    // fill in; sources for the game may not.
    static FuenteCsv leer(const QByteArray& utf8, const QString& nombre, bool huecos = false);
    // Only a regular file (or a link to one), as the game reads a base: a
    // pipe or a device could keep the reader waiting for ever.
    static FuenteCsv leerArchivo(const QString& ruta, bool huecos = false);

    // Bit of a field in Fila::huecos.
    static constexpr int hueco(int campo) { return 1 << campo; }
};
