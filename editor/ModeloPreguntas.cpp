#include "ModeloPreguntas.h"

#include "FilaCsv.h"
#include "Plegar.h"

#include <limits>

ModeloPreguntas::ModeloPreguntas(QObject* parent) : QAbstractTableModel(parent) {}

int ModeloPreguntas::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(filas_.size()); }

int ModeloPreguntas::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : NumColumnas; }

qint64 ModeloPreguntas::id(const FilaEditable& f)
{
    qint64 n = 0;
    return f.fila[FilaBase::ID].enteroEntre(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), &n)
        ? n
        : 0;
}

QString ModeloPreguntas::lugar(const FilaEditable& f)
{
    QString p = f.fila[FilaBase::Enunciado].aTexto().simplified();
    if (p.size() > 60)
        p = p.left(59).trimmed() + u'…';
    return QStringLiteral("«%1» (ID %2)").arg(p, f.fila[FilaBase::ID].aTexto());
}

QVariant ModeloPreguntas::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(filas_.size()))
        return {};
    const FilaEditable& f = filas_[size_t(index.row())];
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (c) {
        case ColId: return f.fila[FilaBase::ID].aTexto();
        case ColNivel: return f.fila.nivel();
        case ColPregunta: return f.fila[FilaBase::Enunciado].aTexto();
        case ColCorrecta: {
            const int l = f.fila.letra();
            if (l < 0)
                return role == Qt::ToolTipRole ? QStringLiteral("Sin marcar") : QStringLiteral("—");
            return QStringLiteral("%1: %2").arg(QChar(u'A' + l)).arg(f.fila[FilaBase::RespA + l].aTexto());
        }
        case ColVeces: return f.fila[FilaBase::Veces].aTexto();
        }
        break;
    case Qt::TextAlignmentRole:
        if (c == ColId || c == ColNivel || c == ColVeces)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case RolOrden:
        switch (c) {
        case ColId: return id(f);
        case ColNivel: return f.fila.nivel();
        case ColVeces: return f.fila[FilaBase::Veces].numero();
        default: return data(index, Qt::DisplayRole);
        }
    case RolBusqueda: return busqueda(index.row());
    case RolNivel: return f.fila.nivel();
    }
    return {};
}

QVariant ModeloPreguntas::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColId: return QStringLiteral("ID");
    case ColNivel: return QStringLiteral("Nivel");
    case ColPregunta: return QStringLiteral("Pregunta");
    case ColCorrecta: return QStringLiteral("Respuesta correcta");
    case ColVeces: return QStringLiteral("Veces");
    }
    return {};
}

QString ModeloPreguntas::busqueda(int i) const
{
    std::optional<QString>& b = busqueda_[size_t(i)];
    if (!b) {
        const FilaEditable& f = filas_[size_t(i)];
        QStringList partes;
        for (int c = FilaBase::Enunciado; c <= FilaBase::RespD; ++c)
            partes << f.fila[c].aTexto();
        partes << f.referencia << f.evidencia << f.fila[FilaBase::ID].aTexto();
        // Separated so that no word runs into the next field's.
        b = plegar(partes.join(QStringLiteral(" | ")));
    }
    return *b;
}

void ModeloPreguntas::cargar(FilasEditables filas)
{
    beginResetModel();
    filas_ = std::move(filas);
    busqueda_.assign(filas_.size(), std::nullopt);
    endResetModel();
}

void ModeloPreguntas::filaCambiada(int i)
{
    busqueda_[size_t(i)].reset();
    emit dataChanged(index(i, 0), index(i, NumColumnas - 1));
}

void ModeloPreguntas::reemplazar(int i, const FilaEditable& fila)
{
    filas_[size_t(i)] = fila;
    filaCambiada(i);
}

void ModeloPreguntas::insertar(int i, const FilaEditable& fila) { insertarVarias(i, {fila}); }

void ModeloPreguntas::insertarVarias(int i, const FilasEditables& filas)
{
    if (filas.empty())
        return;
    beginInsertRows(QModelIndex(), i, i + int(filas.size()) - 1);
    filas_.insert(filas_.begin() + i, filas.begin(), filas.end());
    busqueda_.insert(busqueda_.begin() + i, filas.size(), std::nullopt);
    endInsertRows();
}

void ModeloPreguntas::quitar(int i) { quitarVarias(i, 1); }

void ModeloPreguntas::quitarVarias(int i, int cuantas)
{
    if (cuantas <= 0)
        return;
    beginRemoveRows(QModelIndex(), i, i + cuantas - 1);
    filas_.erase(filas_.begin() + i, filas_.begin() + i + cuantas);
    busqueda_.erase(busqueda_.begin() + i, busqueda_.begin() + i + cuantas);
    endRemoveRows();
}

int ModeloPreguntas::principioDeNivel(int nivel) const
{
    for (int i = 0; i < int(filas_.size()); ++i)
        if (filas_[size_t(i)].fila.nivel() >= nivel)
            return i;
    return int(filas_.size());
}

int ModeloPreguntas::finDeNivel(int nivel) const
{
    for (int i = int(filas_.size()) - 1; i >= 0; --i)
        if (filas_[size_t(i)].fila.nivel() <= nivel)
            return i + 1;
    return 0;
}

QVariant ModeloPreguntas::valor(const FilaEditable& f, int campo)
{
    switch (campo) {
    case FilaBase::Nivel: return f.fila.nivel();
    case FilaBase::LetraCorrecta: return f.fila.letra();
    case FilaBase::ID: return id(f);
    case FilaBase::Orden:
    case FilaBase::Veces: return f.fila[campo].numero();
    case FilaEditable::Referencia: return f.referencia;
    case FilaEditable::Evidencia: return f.evidencia;
    default: return f.fila[campo].aTexto();
    }
}

std::optional<ValorEtiquetado> ModeloPreguntas::enEtiqueta(ValorEtiquetado::Etiqueta etiqueta, const QString& texto)
{
    ValorEtiquetado v;
    if (!FilaCsv::desdeCelda(texto, etiqueta, v, nullptr))
        return std::nullopt;
    // A number must say exactly what was written ("3", not "3.0" read back
    // as "3", nor "2.5" in an integer).
    if (v.esNumero() && FilaCsv::aCelda(v) != texto.trimmed())
        return std::nullopt;
    return v;
}

std::optional<FilaEditable> ModeloPreguntas::conValor(const FilaEditable& f, int campo, const QVariant& v)
{
    FilaEditable r = f;
    switch (campo) {
    case FilaEditable::Referencia:
    case FilaEditable::Evidencia: {
        QString& destino = campo == FilaEditable::Referencia ? r.referencia : r.evidencia;
        if (destino == v.toString())
            return std::nullopt;
        destino = v.toString();
        break;
    }
    case FilaBase::Nivel: {
        const int n = v.toInt();
        if (n < 1 || n > 5 || valor(f, campo).toInt() == n)
            return std::nullopt;
        // A level the game reads as this number keeps its tag, a text "3"
        // included.
        const auto e = enEtiqueta(f.fila[campo].etiqueta(), QString::number(n));
        double leido = 0;
        r.fila[campo] = e && e->leerNumero(&leido) && leido == n ? *e : ValorEtiquetado::entero16(qint16(n));
        break;
    }
    case FilaBase::LetraCorrecta: {
        const int l = v.toInt();
        if (l < -1 || l > 3 || l == f.fila.letra())
            return std::nullopt;
        const QString texto = l < 0 ? QString() : QString(QChar(u'A' + l));
        r.fila[campo] = enEtiqueta(f.fila[campo].etiqueta(), texto).value_or(ValorEtiquetado::texto(texto));
        break;
    }
    case FilaBase::ID:
    case FilaBase::Orden:
    case FilaBase::Veces: {
        const QString texto = QString::number(v.toLongLong());
        if (f.fila[campo].esNumero() && f.fila[campo].aTexto() == texto)
            return std::nullopt;
        ValorEtiquetado porDefecto = campo == FilaBase::ID      ? ValorEtiquetado::entero32(qint32(v.toLongLong()))
                                     : campo == FilaBase::Veces ? ValorEtiquetado::entero16(qint16(v.toLongLong()))
                                                                : ValorEtiquetado::real32(float(v.toLongLong()));
        r.fila[campo] = enEtiqueta(f.fila[campo].etiqueta(), texto).value_or(porDefecto);
        break;
    }
    default: {
        const QString texto = v.toString();
        if (f.fila[campo].aTexto() == texto)
            return std::nullopt;
        r.fila[campo] = enEtiqueta(f.fila[campo].etiqueta(), texto).value_or(ValorEtiquetado::texto(texto));
        break;
    }
    }
    r.tocada = true;
    return r;
}
