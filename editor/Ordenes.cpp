#include "Ordenes.h"

#include "ModeloPreguntas.h"

QString OrdenCampo::nombreCampo(int campo)
{
    switch (campo) {
    case FilaBase::Enunciado: return QStringLiteral("la pregunta");
    case FilaBase::RespA:
    case FilaBase::RespB:
    case FilaBase::RespC:
    case FilaBase::RespD: return QStringLiteral("la respuesta %1").arg(QChar(u'A' + campo - FilaBase::RespA));
    case FilaBase::LetraCorrecta: return QStringLiteral("la respuesta correcta");
    case FilaBase::Nivel: return QStringLiteral("el nivel");
    case FilaEditable::Referencia: return QStringLiteral("la referencia");
    case FilaEditable::Evidencia: return QStringLiteral("la frase");
    default: return QStringLiteral("un campo");
    }
}

OrdenCampo::OrdenCampo(ModeloPreguntas* modelo, int fila, int campo, FilaEditable antes, FilaEditable despues)
    : modelo_(modelo), fila_(fila), campo_(campo), antes_(std::move(antes)), despues_(std::move(despues))
{
    // Named in the Edit menu after "Deshacer": "el cambio de la respuesta B".
    QString nombre = nombreCampo(campo);
    if (nombre.startsWith(QLatin1String("el ")))
        nombre = QStringLiteral("del ") + nombre.mid(3);  // "el cambio del nivel"
    else
        nombre.prepend(QStringLiteral("de "));
    setText(QStringLiteral("el cambio ") + nombre);
}

void OrdenCampo::undo() { modelo_->reemplazar(fila_, antes_); }
void OrdenCampo::redo() { modelo_->reemplazar(fila_, despues_); }

bool OrdenCampo::mergeWith(const QUndoCommand* otra)
{
    const auto* o = static_cast<const OrdenCampo*>(otra);
    // Only typing merges: a level or a right letter chosen twice is two
    // choices, each undone on its own.
    const bool texto = campo_ == FilaBase::Enunciado || (campo_ >= FilaBase::RespA && campo_ <= FilaBase::RespD)
        || campo_ == FilaEditable::Referencia || campo_ == FilaEditable::Evidencia;
    if (!texto || o->fila_ != fila_ || o->campo_ != campo_)
        return false;
    despues_ = o->despues_;
    if (despues_ == antes_)
        setObsolete(true);  // typed and erased again: nothing to undo
    return true;
}

OrdenAgregar::OrdenAgregar(ModeloPreguntas* modelo, int posicion, FilasEditables filas, const QString& texto)
    : modelo_(modelo), posicion_(posicion), filas_(std::move(filas))
{
    setText(texto);
}

void OrdenAgregar::undo() { modelo_->quitarVarias(posicion_, int(filas_.size())); }
void OrdenAgregar::redo() { modelo_->insertarVarias(posicion_, filas_); }

OrdenReemplazarTodo::OrdenReemplazarTodo(ModeloPreguntas* modelo, FilasEditables antes, FilasEditables despues,
                                         const QString& texto)
    : modelo_(modelo), antes_(std::move(antes)), despues_(std::move(despues))
{
    setText(texto);
}

void OrdenReemplazarTodo::undo() { modelo_->cargar(antes_); }
void OrdenReemplazarTodo::redo() { modelo_->cargar(despues_); }

OrdenBorrar::OrdenBorrar(ModeloPreguntas* modelo, int fila)
    : modelo_(modelo), fila_(fila), borrada_(modelo->fila(fila))
{
    setText(QStringLiteral("el borrado de la pregunta %1").arg(borrada_.fila[FilaBase::ID].aTexto()));
}

void OrdenBorrar::undo() { modelo_->insertar(fila_, borrada_); }
void OrdenBorrar::redo() { modelo_->quitar(fila_); }
