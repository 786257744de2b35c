#pragma once
#include "ValorEtiquetado.h"

#include <QByteArrayView>
#include <memory>
#include <vector>

// One question of the base: ten tagged values, fields 0 to 9.
//
// The row keeps its values packed as the file holds them, in one block of
// about the row's size in the file: a loaded base costs little more memory
// than its file (a value object per field would cost several times it).
// Reading a field decodes it; setting one rewrites the row, in place when
// the new value takes as many bytes as the old (a 16-bit count always does).
class FilaBase {
public:
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
    class Ref;

    FilaBase();  // ten empty values
    // A row from the bytes of ten values that medir has accepted.
    explicit FilaBase(QByteArrayView diezValores);
    FilaBase(const FilaBase& o);
    FilaBase(FilaBase&& o) noexcept;
    FilaBase& operator=(const FilaBase& o);
    FilaBase& operator=(FilaBase&& o) noexcept;
    ~FilaBase() = default;

    // Checks that ten whole values start at p (not past fin) and gives the
    // bytes they take. False on a value that cannot be read; *campo then
    // tells which field.
    static bool medir(const char* p, const char* fin, qsizetype* largo, int* campo = nullptr);

    ValorEtiquetado operator[](int campo) const { return valor(campo); }
    Ref operator[](int campo);
    ValorEtiquetado valor(int campo) const;
    void fijar(int campo, const ValorEtiquetado& v);

    // The ten values exactly as the file holds them.
    QByteArrayView bytes() const { return QByteArrayView(datos_.get(), largo_); }
    bool operator==(const FilaBase& o) const;

    // Level 1..5 as the game reads it (a number, or a text holding one); 0
    // when the field holds no whole number from 1 to 5.
    int nivel() const;
    // 0..3 for "A".."D"; -1 when the first byte is none of them.
    int letra() const;

private:
    const char* inicioDe(int campo) const;

    std::unique_ptr<char[]> datos_;
    qsizetype largo_ = 0;
};

// What fila[campo] gives on a row that may change: reads like the value,
// and assigning to it sets the field.
class FilaBase::Ref {
public:
    Ref(FilaBase& fila, int campo) : fila_(fila), campo_(campo) {}
    Ref(const Ref&) = default;
    Ref& operator=(const ValorEtiquetado& v)
    {
        fila_.fijar(campo_, v);
        return *this;
    }
    Ref& operator=(const Ref& o) { return *this = o.valor(); }
    operator ValorEtiquetado() const { return valor(); }
    ValorEtiquetado valor() const { return fila_.valor(campo_); }

    ValorEtiquetado::Etiqueta etiqueta() const { return valor().etiqueta(); }
    bool esNumero() const { return valor().esNumero(); }
    bool esTexto() const { return valor().esTexto(); }
    double numero() const { return valor().numero(); }
    bool enteroEntre(qint64 minimo, qint64 maximo, qint64* v = nullptr) const
    {
        return valor().enteroEntre(minimo, maximo, v);
    }
    QString aTexto() const { return valor().aTexto(); }
    QByteArray bytes() const { return valor().bytes(); }
    void sumarUno()
    {
        ValorEtiquetado v = valor();
        v.sumarUno();
        fila_.fijar(campo_, v);
    }
    bool operator==(const ValorEtiquetado& v) const { return valor() == v; }

private:
    FilaBase& fila_;
    int campo_;
};

inline FilaBase::Ref FilaBase::operator[](int campo) { return Ref(*this, campo); }

using TablaBase = std::vector<FilaBase>;
