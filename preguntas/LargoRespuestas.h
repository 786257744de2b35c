#pragma once
#include "FilaBase.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <array>
#include <functional>

// Whether the right answer gives itself away by its length. A player who
// does not know picks the longest answer; where the right one is the longest
// of the four far more often than one time in four, or plainly longer than
// all the others, that guess wins. Figures and warnings per level.
class LargoRespuestas {
public:
    // At most this share of a level's questions may have the right answer
    // strictly the longest (chance gives about a quarter)...
    static constexpr double MaximoMasLarga = 0.30;
    // ...and at most this share may have it this many times longer than
    // every other answer.
    static constexpr double Veces = 1.5;
    static constexpr double MaximoMuchoMasLarga = 0.03;
    // A level smaller than this tells too little for a warning; its figures
    // are printed all the same.
    static constexpr qint64 MinimoParaAvisar = 20;
    // How many questions a warning names.
    static constexpr int LugaresNombrados = 8;

    struct Cifras {
        qint64 preguntas = 0;
        qint64 masLarga = 0;       // the right answer strictly longer than the other three
        qint64 muchoMasLarga = 0;  // at least Veces times longer than every other
        QStringList lugares;       // the first LugaresNombrados questions of muchoMasLarga
    };

    // A question the game can load (its level 1 to 5 and its letter A to D).
    // Its place is asked for only when a warning may name it: a huge file
    // must not cost a string per row.
    void agregar(const FilaBase& fila, const std::function<QString()>& lugar);
    const Cifras& nivel(int n) const { return niveles_[size_t(n)]; }

    // One line per level with questions.
    void informe(QTextStream& salida) const;
    // The levels over either share.
    QStringList avisos() const;

private:
    std::array<Cifras, 6> niveles_{};
};
