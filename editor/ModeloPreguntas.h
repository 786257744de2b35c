#pragma once
#include "FilaEditable.h"

#include <QAbstractTableModel>
#include <optional>

// The open question bank as a table: one row per question, in the order of
// its file. The views show five columns; the form reads and writes every
// field through valor()/fila() and the edit commands (Ordenes.h), which are
// the only writers, so that each edit can be undone.
class ModeloPreguntas : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Columna { ColId, ColNivel, ColPregunta, ColCorrecta, ColVeces, NumColumnas };
    enum Rol {
        // The value sorted by: a number for ID, level and count, the text
        // otherwise.
        RolOrden = Qt::UserRole,
        // Every text of the row folded (plegar), for the search.
        RolBusqueda,
        RolNivel,
    };

    explicit ModeloPreguntas(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void cargar(FilasEditables filas);
    const FilasEditables& filas() const { return filas_; }
    const FilaEditable& fila(int i) const { return filas_[size_t(i)]; }
    int filasTotal() const { return int(filas_.size()); }

    // The writers the edit commands use.
    void reemplazar(int i, const FilaEditable& fila);
    void insertar(int i, const FilaEditable& fila);
    void insertarVarias(int i, const FilasEditables& filas);
    void quitar(int i);
    void quitarVarias(int i, int cuantas);

    // A field as the form shows it: the text of the question, the answers,
    // the passage and the phrase; the level 1..5; the right letter 0..3
    // (-1 when none is marked); the ID and the count as numbers.
    static QVariant valor(const FilaEditable& f, int campo);
    // The row with one field set. The value keeps the tag it had where that
    // tag can hold it (a count stays a 16-bit integer, a level stays the
    // type it was read as); the row is marked touched. nullopt when the
    // value is the same as before.
    static std::optional<FilaEditable> conValor(const FilaEditable& f, int campo, const QVariant& v);
    // A value of this tag holding texto, or nullopt when the tag cannot hold
    // it exactly (the text "12a" in a number).
    static std::optional<ValorEtiquetado> enEtiqueta(ValorEtiquetado::Etiqueta etiqueta, const QString& texto);

    // The row named in messages about it: «¿Quién…?» (ID 3005).
    static QString lugar(const FilaEditable& f);
    static qint64 id(const FilaEditable& f);  // 0 when the ID is not a number
    // Where a level's block begins and ends (where it would, if it has no
    // row yet), so that a new row keeps the file in level blocks.
    int principioDeNivel(int nivel) const;
    int finDeNivel(int nivel) const;

private:
    QString busqueda(int i) const;
    void filaCambiada(int i);

    FilasEditables filas_;
    // Folded search text per row, made on first use.
    mutable std::vector<std::optional<QString>> busqueda_;
};
