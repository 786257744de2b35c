#pragma once
#include "FilaBase.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <vector>

// The checks of `orvalia-qdb check`: errors are what the game cannot load,
// warnings what a maintainer should mend before shipping the base.
class Comprobador {
public:
    // The answer bar's small size fits a caption box 264 px wide and at most
    // 53 px high, starting at Arial bold 14 pt (about 19 px, lines about
    // 21 px apart, letters about 11 px wide on average): two lines of some
    // 24 letters fit without shrinking. An answer longer than 40 characters,
    // or with a word of more than 24, would be shrunk below the starting
    // size and gets a warning.
    static constexpr int LargoMaximoRespuesta = 40;
    static constexpr int LargoMaximoPalabra = 24;
    // Two questions whose folded texts differ in at most this share of
    // their characters, and whose right answers agree, are taken to ask the
    // same thing.
    static constexpr double ParecidoMaximo = 0.10;
    static constexpr size_t MaximoParaParecidos = 20000;

    struct Entrada {
        FilaBase fila;
        QString lugar;           // "file: fila 12" or "file:34"
        bool tieneReferencia = false;
        QString referencia;
    };

    void agregar(Entrada e) { entradas_.push_back(std::move(e)); }
    void error(const QString& e) { errores_ << e; }
    void aviso(const QString& a) { avisos_ << a; }
    // esBase: one base file, whose levels must all be there and stand in
    // order; sources may list their rows in any order.
    void comprobar(bool esBase);
    void informe(QTextStream& salida, QTextStream& errores) const;
    // 0 clean, 1 errors, 2 warnings only.
    int codigoSalida() const { return !errores_.isEmpty() ? 1 : !avisos_.isEmpty() ? 2 : 0; }

    static QString plegar(const QString& texto);  // folded for comparison
    static int distancia(const QString& a, const QString& b, int tope);

private:
    void comprobarFila(const Entrada& e);
    void comprobarDuplicados();

    std::vector<Entrada> entradas_;
    QStringList errores_;
    QStringList avisos_;
    QStringList notas_;
    std::array<qint64, 6> porNivel_{};
    std::array<qint64, 4> porLetra_{};
    double vecesMin_ = 0, vecesMax_ = 0;
};
