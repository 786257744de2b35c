#pragma once
#include "FilaEditable.h"

#include <QUndoCommand>

class ModeloPreguntas;

// One command per edit, each keeping the rows as they were and as they
// become, so that undoing gives back exactly what was there: tags, counts,
// order keys and a CSV record's own text.

// A field of one question changed. Typing into the same field of the same
// question merges into one command; any other edit starts a new one.
class OrdenCampo : public QUndoCommand {
public:
    OrdenCampo(ModeloPreguntas* modelo, int fila, int campo, FilaEditable antes, FilaEditable despues);
    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* otra) override;

    int fila() const { return fila_; }
    int campo() const { return campo_; }

    static QString nombreCampo(int campo);

private:
    ModeloPreguntas* modelo_;
    int fila_;
    int campo_;
    FilaEditable antes_;
    FilaEditable despues_;
};

// Rows put in at one place: a new question, a duplicate, an import.
class OrdenAgregar : public QUndoCommand {
public:
    OrdenAgregar(ModeloPreguntas* modelo, int posicion, FilasEditables filas, const QString& texto);
    void undo() override;
    void redo() override;
    int posicion() const { return posicion_; }

private:
    ModeloPreguntas* modelo_;
    int posicion_;
    FilasEditables filas_;
};

// Every row at once: the edits kept when the editor was ended from outside.
class OrdenReemplazarTodo : public QUndoCommand {
public:
    OrdenReemplazarTodo(ModeloPreguntas* modelo, FilasEditables antes, FilasEditables despues, const QString& texto);
    void undo() override;
    void redo() override;

private:
    ModeloPreguntas* modelo_;
    FilasEditables antes_;
    FilasEditables despues_;
};

// One question deleted.
class OrdenBorrar : public QUndoCommand {
public:
    OrdenBorrar(ModeloPreguntas* modelo, int fila);
    void undo() override;
    void redo() override;

private:
    ModeloPreguntas* modelo_;
    int fila_;
    FilaEditable borrada_;
};
