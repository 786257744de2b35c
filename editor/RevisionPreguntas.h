#pragma once
#include "Comprobador.h"

#include <QObject>

class ModeloPreguntas;

// The checks of `orvalia-qdb check`, run on the open bank as the teacher
// types: one question on its own and against all the others. The folded
// index of the others follows the model: a changed row is folded again, a
// row added or taken away makes it anew on the next question asked.
class RevisionPreguntas : public QObject {
    Q_OBJECT
public:
    explicit RevisionPreguntas(const ModeloPreguntas* modelo, QObject* parent = nullptr);

    // Whether a missing passage is a problem (a CSV source keeps one).
    void setConReferencia(bool con) { conReferencia_ = con; }

    std::vector<Problema> problemas(int fila) const;

    struct ProblemaDeFila {
        int fila;
        Problema problema;
    };
    // Every row's problems, each pair of like questions named once.
    std::vector<ProblemaDeFila> todos() const;

private:
    Comprobador::Entrada entrada(int fila) const;
    const IndicePreguntas& indice() const;

    const ModeloPreguntas* modelo_;
    bool conReferencia_ = false;
    mutable IndicePreguntas indice_;
    mutable bool sucio_ = true;
};
