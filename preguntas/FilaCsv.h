#pragma once
#include "FilaBase.h"

#include <QStringList>
#include <array>

// One question as a CSV record: the ten fields by name, in any column order,
// beside any other columns (a source's "Referencia" and "Evidencia"). An
// optional column "Etiquetas" holds the ten tags, space-separated, when they
// differ from the usual ones (4 2 8 8 8 8 8 8 2 3), so that a base written
// out and read back gives the same bytes.
class FilaCsv {
public:
    static QStringList Cabecera();  // the ten field names, in field order
    static QString ColumnaEtiquetas() { return QStringLiteral("Etiquetas"); }

    struct Columnas {
        std::array<int, FilaBase::NumCampos> campo{};
        int etiquetas = -1;
        int referencia = -1;
        int evidencia = -1;
        int total = 0;
    };
    // Finds the columns in a header row; false, naming what is missing, when
    // one of the ten fields has none.
    static bool columnas(const QStringList& cabecera, Columnas& c, QString* error);

    static bool aFila(const QStringList& registro, const Columnas& c, FilaBase& fila, QString* error);
    // The ten values, then the tags column (empty when they are the usual).
    static QStringList desdeFila(const FilaBase& fila);

    static ValorEtiquetado::Etiqueta etiquetaUsual(int campo);
    static QString aCelda(const ValorEtiquetado& v);
    static bool desdeCelda(const QString& celda, ValorEtiquetado::Etiqueta etiqueta, ValorEtiquetado& v,
                           QString* error);
};
