#pragma once
#include "FilaBase.h"

#include <QString>
#include <QStringList>
#include <vector>

// One question as the editor holds it: the ten tagged values the game reads,
// the passage and phrase the CSV sources keep beside them, and what writing
// an untouched row back needs.
struct FilaEditable {
    // Fields beyond the base's ten, numbered on from FilaBase::Campo.
    enum Campo {
        Referencia = FilaBase::NumCampos,
        Evidencia,
        NumCampos,
    };

    FilaBase fila;
    QString referencia;
    QString evidencia;
    // Changed since it was read, or new: written anew. An untouched row
    // goes back as it came (the base's bytes; a CSV record's own text).
    bool tocada = false;
    // From a CSV: every cell of the record and its text as written.
    QStringList celdas;
    QString crudo;

    bool operator==(const FilaEditable&) const = default;
};

using FilasEditables = std::vector<FilaEditable>;
