#include "RevisionPreguntas.h"

#include "ModeloPreguntas.h"

RevisionPreguntas::RevisionPreguntas(const ModeloPreguntas* modelo, QObject* parent)
    : QObject(parent), modelo_(modelo)
{
    auto ensuciar = [this] { sucio_ = true; };
    connect(modelo_, &QAbstractItemModel::modelReset, this, ensuciar);
    connect(modelo_, &QAbstractItemModel::rowsInserted, this, ensuciar);
    connect(modelo_, &QAbstractItemModel::rowsRemoved, this, ensuciar);
    connect(modelo_, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& a, const QModelIndex& b) {
        if (sucio_)
            return;
        for (int i = a.row(); i <= b.row(); ++i)
            indice_.cambiar(size_t(i), modelo_->fila(i).fila, ModeloPreguntas::lugar(modelo_->fila(i)));
    });
}

Comprobador::Entrada RevisionPreguntas::entrada(int fila) const
{
    const FilaEditable& f = modelo_->fila(fila);
    return {f.fila, ModeloPreguntas::lugar(f), conReferencia_, f.referencia};
}

const IndicePreguntas& RevisionPreguntas::indice() const
{
    if (sucio_) {
        indice_.vaciar();
        indice_.reservar(size_t(modelo_->filasTotal()));
        for (const FilaEditable& f : modelo_->filas())
            indice_.agregar(f.fila, ModeloPreguntas::lugar(f));
        sucio_ = false;
    }
    return indice_;
}

std::vector<Problema> RevisionPreguntas::problemas(int fila) const
{
    if (fila < 0 || fila >= modelo_->filasTotal())
        return {};
    return Comprobador::revisar(entrada(fila), size_t(fila), indice());
}

std::vector<RevisionPreguntas::ProblemaDeFila> RevisionPreguntas::todos() const
{
    std::vector<ProblemaDeFila> r;
    const IndicePreguntas& otras = indice();
    for (int i = 0; i < modelo_->filasTotal(); ++i) {
        const Comprobador::Entrada e = entrada(i);
        for (Problema& p : Comprobador::revisarFila(e))
            r.push_back({i, std::move(p)});
        for (Problema& p : Comprobador::revisarContraOtras(e.fila, size_t(i), otras, true))
            r.push_back({i, std::move(p)});
    }
    return r;
}
