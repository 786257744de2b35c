#pragma once
#include "FilaBase.h"
#include "FuenteCsv.h"
#include "LargoRespuestas.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <array>
#include <functional>
#include <vector>

// One thing wrong with a question, said in plain Spanish: for `orvalia-qdb
// check` after the place, for the editor beside the field.
struct Problema {
    enum Gravedad {
        Aviso,  // to mend before shipping; the game plays it all the same
        // the game cannot load a base with this question, or would put it on
        // the board broken: a blank question or a blank answer bar
        Error,
    };
    int campo = -1;  // a FilaBase::Campo, or Comprobador::CampoReferencia
    Gravedad gravedad = Aviso;
    QString texto;   // starts in lower case, no final stop
};

// The questions of a set, folded for comparing one against the others: the
// IDs they use and the questions they ask. Rows are numbered from 0 as they
// were added.
class IndicePreguntas {
public:
    static constexpr size_t Ninguna = size_t(-1);

    void vaciar();
    void reservar(size_t n);
    size_t tamano() const { return huellas_.size(); }
    // lugar names the row in messages about another row: "nivel2.csv:14",
    // or the question's own words in the editor.
    void agregar(const FilaBase& fila, const QString& lugar);
    void cambiar(size_t i, const FilaBase& fila, const QString& lugar);
    QString lugar(size_t i) const;
    // Names the rows added with a null lugar when a message needs it: a set
    // of millions of rows need not keep a text for each.
    void nombrarCon(std::function<QString(size_t)> nombre) { nombre_ = std::move(nombre); }

private:
    friend class Comprobador;
    struct Huella {
        QString lugar;
        QString pregunta;  // folded
        QString correcta;  // the right answer, folded
        qint64 id = 0;
        bool conId = false;
    };
    static Huella huella(const FilaBase& fila, const QString& lugar);
    void indexar(size_t i);
    void desindexar(size_t i);
    // Rows by length of their folded question, for the near matches.
    const std::vector<size_t>& porLargo() const;

    std::vector<Huella> huellas_;
    QHash<qint64, std::vector<size_t>> porId_;
    QHash<QString, std::vector<size_t>> porPregunta_;
    mutable std::vector<size_t> porLargo_;
    mutable bool ordenado_ = true;
    std::function<QString(size_t)> nombre_;
};

// The checks of `orvalia-qdb check` and of the editor as the teacher types:
// errors are what the game cannot load or would show broken, warnings what a
// maintainer should mend before shipping the base.
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
    // Problema::campo of the passage a source cites.
    static constexpr int CampoReferencia = FilaBase::NumCampos;

    struct Entrada {
        FilaBase fila;
        QString lugar;           // "file: fila 12" or "file:34"
        bool tieneReferencia = false;
        QString referencia;
    };

    // One question on its own: the fields the game needs, empty fields, the
    // ranges of the numbers, answers too long for the small bar, an answer
    // given twice.
    static std::vector<Problema> revisarFila(const Entrada& e);
    // The same question against the others of its set (propia is its own
    // row there, or IndicePreguntas::Ninguna): an ID another row has, a
    // question another asks too, or nearly so with the same right answer.
    // soloAnteriores: name only rows before propia, so that a whole set
    // reports each pair once.
    static std::vector<Problema> revisarContraOtras(const FilaBase& fila, size_t propia, const IndicePreguntas& otras,
                                                    bool soloAnteriores = false);
    // Both.
    static std::vector<Problema> revisar(const Entrada& e, size_t propia, const IndicePreguntas& otras);

    // The files of a whole set, for `orvalia-qdb check`: a base's rows,
    // named "ruta: fila N" from 0, or a source's, named "ruta:N" by the line
    // its record starts on. Only what the checks need is kept of a source.
    void agregarBase(const QString& ruta, TablaBase filas);
    void agregarFuente(const QString& ruta, FuenteCsv fuente);
    void error(const QString& e) { errores_ << e; }
    void aviso(const QString& a) { avisos_ << a; }
    // esBase: one base file, whose levels must all be there and stand in
    // order; sources may list their rows in any order.
    void comprobar(bool esBase);
    // The counts, then the problems: of each file the first Pantalla, and
    // how many more it has.
    void informe(QTextStream& salida, QTextStream& errores) const;
    // 0 clean, 1 errors, 2 warnings only.
    int codigoSalida() const;
    // A screenful of problems: what a file shows at most.
    static constexpr qint64 Pantalla = 20;

    static int distancia(const QString& a, const QString& b, int tope);
    // "Enunciado", "RespA"...: the column's name in the CSV files.
    static QString nombreCampo(int campo);

private:
    struct Archivo {
        QString ruta;
        bool esBase = true;
        bool conReferencia = false;
        TablaBase filas;
        std::vector<int> lineas;          // a source's: where each record starts
        std::vector<QString> referencias;  // a source's, when it has the column
        qint64 errores = 0, avisos = 0;   // all its problems, shown or not
        QStringList erroresVistos, avisosVistos;
        QString lugar(size_t fila) const;
    };
    void informar(Archivo& a, size_t fila, const std::vector<Problema>& problemas);

    std::vector<Archivo> archivos_;
    qint64 filas_ = 0;
    QStringList errores_;
    QStringList avisos_;
    QStringList notas_;
    std::array<qint64, 6> porNivel_{};
    std::array<qint64, 4> porLetra_{};
    LargoRespuestas largos_;
    double vecesMin_ = 0, vecesMax_ = 0;
};
