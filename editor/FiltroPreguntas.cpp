#include "FiltroPreguntas.h"

#include "ModeloPreguntas.h"
#include "Plegar.h"

FiltroPreguntas::FiltroPreguntas(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(ModeloPreguntas::RolOrden);
    setSortLocaleAware(true);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void FiltroPreguntas::setNivel(int nivel)
{
    if (nivel < 0 || nivel > 5 || nivel == nivel_)
        return;
    nivel_ = nivel;
    invalidateRowsFilter();
    emit nivelCambiado(nivel_);
}

void FiltroPreguntas::setBusqueda(const QString& texto)
{
    if (texto == busqueda_)
        return;
    busqueda_ = texto;
    const QStringList antes = palabras_;
    palabras_ = plegar(texto).split(u' ', Qt::SkipEmptyParts);
    // "noé," folds as "noe": the rows shown do not change.
    if (palabras_ != antes)
        invalidateRowsFilter();
    emit busquedaCambiada(busqueda_);
}

bool FiltroPreguntas::filterAcceptsRow(int fila, const QModelIndex& padre) const
{
    const QAbstractItemModel* m = sourceModel();
    const QModelIndex i = m->index(fila, 0, padre);
    if (nivel_ != 0 && m->data(i, ModeloPreguntas::RolNivel).toInt() != nivel_)
        return false;
    if (palabras_.isEmpty())
        return true;
    const QString texto = m->data(i, ModeloPreguntas::RolBusqueda).toString();
    for (const QString& p : palabras_)
        if (!texto.contains(p))
            return false;
    return true;
}

bool FiltroPreguntas::lessThan(const QModelIndex& a, const QModelIndex& b) const
{
    const QVariant x = a.data(sortRole());
    const QVariant y = b.data(sortRole());
    if (x.typeId() == QMetaType::QString)
        return QSortFilterProxyModel::lessThan(a, b);
    // Equal numbers (two questions of one level) fall back to the file's
    // order, so a sort by level keeps each level as the file has it.
    const double dx = x.toDouble(), dy = y.toDouble();
    return dx != dy ? dx < dy : a.row() < b.row();
}
