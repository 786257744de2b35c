#pragma once
#include "Citas.h"
#include "FilaEditable.h"

#include <QHash>
#include <QList>
#include <QString>

class Biblia;

// A base's passages, kept in the companion the game reads beside it
// (QBase.citas, game/Citas): read into the rows when the base is opened,
// written from them when it is saved. The rows carry their passages, so a
// question moved to another level takes its line along, a deleted one
// loses it, and undo needs nothing of its own.
namespace CitasBase {

// What the companion held besides the rows' passages, for the save.
struct Abierta {
    Citas::Estado estado = Citas::Estado::Falta;
    QString ruta;                  // where it was read from
    QList<Citas::Fila> ajenas;     // lines for IDs the base did not hold
    QList<QByteArray> ilegibles;   // lines that could not be read, as they were
    // The verse text of each reference as last read or written: a save
    // reuses it rather than read every verse through SWORD again.
    QHash<QString, QString> textos;
};

// Reads the companion of the base at rutaBase (as the game finds it) into
// filas. A missing, oversized or damaged one gives rows without passages.
Abierta leer(const QString& rutaBase, FilasEditables& filas);

struct Escritura {
    bool ok = true;
    QString nota;  // plain Spanish: what was left as it was, and why
};

// Writes the companion beside the base: a line per question with a
// reference and its verse: the text that reference had when last read or
// written, else read now through biblia (printed numbering), else none; then the lines of IDs no
// question of the opened base had (while no question has taken that ID) and
// the lines that could not be read. A companion that was there but could not
// be read at all is left alone: the editor does not know what it holds.
// abierta then stands for what was written.
Escritura escribir(const QString& rutaBase, const FilasEditables& filas, Abierta& abierta,
                   const Biblia* biblia);

}  // namespace CitasBase
