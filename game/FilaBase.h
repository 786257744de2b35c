#pragma once
#include "ValorEtiquetado.h"

#include <array>
#include <vector>

// One question of the base: ten tagged values, fields 0 to 9.
struct FilaBase {
    enum Campo {
        Orden = 0,
        Nivel = 1,
        Enunciado = 2,
        RespA = 3,
        RespB = 4,
        RespC = 5,
        RespD = 6,
        LetraCorrecta = 7,
        Veces = 8,
        ID = 9,
        NumCampos = 10,
    };

    std::array<ValorEtiquetado, NumCampos> campos;

    ValorEtiquetado& operator[](int campo) { return campos[size_t(campo)]; }
    const ValorEtiquetado& operator[](int campo) const { return campos[size_t(campo)]; }
    bool operator==(const FilaBase& o) const { return campos == o.campos; }

    // Level 1..5; only meaningful on a row that passed the reader's checks.
    int nivel() const { return int(campos[Nivel].numero()); }
    // 0..3 for "A".."D"; -1 when the first byte is none of them.
    int letra() const
    {
        const QByteArray& b = campos[LetraCorrecta].bytes();
        if (!campos[LetraCorrecta].esTexto() || b.isEmpty() || b[0] < 'A' || b[0] > 'D')
            return -1;
        return b[0] - 'A';
    }
};

using TablaBase = std::vector<FilaBase>;
