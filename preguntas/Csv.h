#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// Comma-separated values as RFC 4180 has them: fields with commas, quotes
// or line breaks are quoted, a quote inside is doubled.
class Csv {
public:
    struct Registro {
        QStringList campos;
        int linea = 0;  // line of the file where the record starts, from 1
        // The record exactly as written, with its line break (and any blank
        // lines before it): what writing it back unchanged must give.
        QString crudo;
    };

    // Parses UTF-8 text (a leading byte-order mark is skipped). False, with
    // error and its line, on a quote left open or text after a closing quote.
    static bool leer(const QByteArray& utf8, std::vector<Registro>& registros, QString* error, int* lineaError);
    static QString campo(const QString& valor);
    static QString linea(const QStringList& valores);  // with the final CRLF
};
