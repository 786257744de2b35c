#include "Documento.h"

#include "ArchivoBase.h"
#include "Azar.h"
#include "CerrojoBase.h"
#include "FuenteCsv.h"
#include "ModeloPreguntas.h"
#include "Ordenes.h"
#include "RevisionPreguntas.h"
#include "Ubicaciones.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUndoStack>

Documento::Documento(QObject* parent) : Documento(Azar::global(), parent) {}

Documento::Documento(Azar& azar, QObject* parent)
    : QObject(parent), azar_(azar), modelo_(new ModeloPreguntas(this)), pila_(new QUndoStack(this)),
      revision_(new RevisionPreguntas(modelo_, this))
{
}

Documento::~Documento() = default;

bool Documento::modificado() const { return !pila_->isClean(); }

void Documento::setSoloLectura(const QString& motivo)
{
    if (motivo == motivoSoloLectura_)
        return;
    const bool antes = soloLectura();
    motivoSoloLectura_ = motivo;
    if (antes != soloLectura())
        emit soloLecturaCambiado(soloLectura());
}

QString Documento::rutaDelJuego() { return Ubicaciones::RutasDelJugador().principal; }

QString Documento::resumen(const QStringList& lineas, int cuantas)
{
    QStringList r = lineas.mid(0, cuantas);
    if (lineas.size() > cuantas)
        r << QStringLiteral("… y %1 más.").arg(lineas.size() - cuantas);
    return r.join(u'\n');
}

QString Documento::impedimento() const
{
    if (soloLectura())
        return motivoSoloLectura_;
    if (!abierto())
        return QStringLiteral("Abre primero una base de preguntas.");
    return QString();
}

QString Documento::impedimento(int fila) const
{
    if (soloLectura())
        return motivoSoloLectura_;
    if (fila < 0 || fila >= modelo_->filasTotal())
        return QStringLiteral("No hay ninguna pregunta elegida.");
    return QString();
}

namespace {
QString motivoCerrojo(const CerrojoBase& c, const QString& ruta)
{
    switch (c.estado()) {
    case CerrojoBase::Tomado: return QString();
    case CerrojoBase::EnUso:
        if (c.programaTitular() == CerrojoBase::NombreEditor())
            return QStringLiteral("Otra ventana del editor tiene abierta esta base. Ciérrala para guardar aquí los cambios.");
        return QStringLiteral("El juego está abierto con esta base. Cierra el juego para guardar los cambios.");
    case CerrojoBase::SinCerrojo:
        return QStringLiteral("No se puede escribir en la carpeta de %1: puedes mirar las preguntas y exportarlas a CSV.")
            .arg(ArchivoPreguntas::nombre(ruta));
    }
    return QString();
}
}  // namespace

Documento::Resultado Documento::abrir(const QString& ruta)
{
    const ArchivoPreguntas::Formato formato = ArchivoPreguntas::formatoDe(ruta);
    // The lock first, then the file: what is read is what the game left.
    // The lock this document already holds on the same file is kept.
    std::unique_ptr<CerrojoBase> cerrojo;
    const bool mismo = cerrojo_ && cerrojo_->estado() == CerrojoBase::Tomado
        && QFileInfo(ruta).absoluteFilePath() == QFileInfo(ruta_).absoluteFilePath();
    if (formato == ArchivoPreguntas::Formato::Qdb && !mismo) {
        cerrojo = std::make_unique<CerrojoBase>(ruta);
        cerrojo->tomar();
    }
    ArchivoPreguntas::Lectura l = ArchivoPreguntas::leer(ruta);
    if (!l.valida())
        return Resultado::mal(l.error + QStringLiteral(" No se ha cambiado nada en el archivo."));
    CitasBase::Abierta citas;
    if (l.formato == ArchivoPreguntas::Formato::Qdb)
        citas = CitasBase::leer(ruta, l.filas);
    if (!mismo)
        cerrojo_ = std::move(cerrojo);  // the old file's lock goes
    pila_->clear();
    modelo_->cargar(std::move(l.filas));
    ruta_ = ruta;
    formato_ = l.formato;
    disposicion_ = l.csv;
    citas_ = std::move(citas);
    revision_->setConReferencia(formato_ == ArchivoPreguntas::Formato::Csv && disposicion_.columnas.referencia >= 0);
    pila_->setClean();

    QString motivo = cerrojo_ ? motivoCerrojo(*cerrojo_, ruta) : QString();
    esperaCerrojo_ = cerrojo_ && cerrojo_->estado() == CerrojoBase::EnUso;
    if (motivo.isEmpty() && !QFileInfo(ruta).isWritable())
        motivo = QStringLiteral("No tienes permiso para cambiar %1: puedes mirarlo y exportarlo a CSV.")
                     .arg(ArchivoPreguntas::nombre(ruta));
    setSoloLectura(motivo);
    emit abiertoCambiado();
    if (l.reagrupada)
        return Resultado::bien(QStringLiteral("Las preguntas de %1 no estaban agrupadas por nivel; "
                                              "al guardar quedarán en orden.")
                                   .arg(ArchivoPreguntas::nombre(ruta)));
    return Resultado::bien();
}

Documento::Resultado Documento::reintentar()
{
    if (!esperaCerrojo_ || !cerrojo_)
        return Resultado::bien();
    if (cerrojo_->tomar() != CerrojoBase::Tomado) {
        setSoloLectura(motivoCerrojo(*cerrojo_, ruta_));
        return Resultado::mal(motivoSoloLectura_);
    }
    // Nothing could be edited meanwhile: reading the file again loses
    // nothing and brings what the game wrote on closing.
    const Resultado r = abrir(ruta_);
    if (!r.ok)
        return r;
    return Resultado::bien(r.mensaje.isEmpty() ? QStringLiteral("El juego se cerró: ya puedes guardar los cambios.")
                                               : r.mensaje);
}

QSet<qint64> Documento::idsUsados() const
{
    QSet<qint64> ids;
    ids.reserve(modelo_->filasTotal());
    for (const FilaEditable& f : modelo_->filas())
        ids.insert(ModeloPreguntas::id(f));
    return ids;
}

namespace {
std::optional<qint64> libreEn(int nivel, const QSet<qint64>& usados)
{
    const qint64 primero = qint64(nivel) * 1000 + 1, ultimo = qint64(nivel) * 1000 + 999;
    qint64 mayor = 0;
    for (qint64 id : usados)
        if (id >= primero && id <= ultimo)
            mayor = std::max(mayor, id);
    if (mayor == 0)
        return primero;
    if (mayor < ultimo)
        return mayor + 1;
    for (qint64 id = primero; id <= ultimo; ++id)
        if (!usados.contains(id))
            return id;
    return std::nullopt;
}

// value keeps the row's tag for the field where the tag can hold it.
void ponerNumero(FilaEditable& f, int campo, qint64 n)
{
    if (auto r = ModeloPreguntas::conValor(f, campo, n))
        f = *r;
}

// The answer of an edit that gives a row: the row, or -1 with why in r.
int fallo(Documento::Resultado* r, const QString& por)
{
    if (r)
        *r = Documento::Resultado::mal(por);
    return -1;
}
int hecho(Documento::Resultado* r, int fila)
{
    if (r)
        *r = Documento::Resultado::bien();
    return fila;
}
}  // namespace

std::optional<qint64> Documento::idLibre(int nivel, const QSet<qint64>& ademas) const
{
    QSet<qint64> usados = idsUsados();
    usados.unite(ademas);
    return libreEn(nivel, usados);
}

QString Documento::bloqueLleno(int nivel)
{
    return QStringLiteral("El nivel %1 ya no tiene números libres: sus preguntas usan todos los ID del %2 al %3. "
                          "Borra alguna de ese nivel para hacer sitio.")
        .arg(nivel)
        .arg(nivel * 1000 + 1)
        .arg(nivel * 1000 + 999);
}

Documento::Resultado Documento::cambiar(int fila, int campo, const QVariant& valor)
{
    if (const QString no = impedimento(fila); !no.isEmpty())
        return Resultado::mal(no);
    const FilaEditable& antes = modelo_->fila(fila);
    std::optional<FilaEditable> despues = ModeloPreguntas::conValor(antes, campo, valor);
    if (!despues)
        return Resultado::bien();
    if (campo == FilaBase::Nivel) {
        // IDs follow the level: L×1000+1 … L×1000+999. One already in the
        // new block stays.
        const int nivel = valor.toInt();
        const qint64 id = ModeloPreguntas::id(antes);
        if (id / 1000 != nivel || id % 1000 == 0) {
            const std::optional<qint64> nuevo = idLibre(nivel);
            if (!nuevo)
                return Resultado::mal(bloqueLleno(nivel));
            ponerNumero(*despues, FilaBase::ID, *nuevo);
        }
    }
    pila_->push(new OrdenCampo(modelo_, fila, campo, antes, *despues));
    return Resultado::bien();
}

FilaEditable Documento::nueva(int nivel, qint64 id) const
{
    FilaEditable e;
    FilaBase& f = e.fila;
    // The lowest order key: among the questions of its level not yet asked
    // the game's sort puts it first (and, being at the top of its block,
    // before another of key 0 too), so the class written for meets it.
    f[FilaBase::Orden] = ValorEtiquetado::real32(0.0f);
    f[FilaBase::Nivel] = ValorEtiquetado::entero16(qint16(nivel));
    for (int c = FilaBase::Enunciado; c <= FilaBase::LetraCorrecta; ++c)
        f[c] = ValorEtiquetado::texto(QString());
    f[FilaBase::Veces] = ValorEtiquetado::entero16(0);
    f[FilaBase::ID] = ValorEtiquetado::entero32(qint32(id));
    e.tocada = true;
    return e;
}

int Documento::agregar(int nivel, Resultado* r)
{
    if (const QString no = impedimento(); !no.isEmpty())
        return fallo(r, no);
    nivel = std::clamp(nivel, 1, 5);
    const std::optional<qint64> id = idLibre(nivel);
    if (!id)
        return fallo(r, bloqueLleno(nivel));
    // In a base the game walks each level from the top of its block at its
    // next start, so a question written for this week's class goes there and
    // comes up first; a source file simply grows at the end of its level.
    const int pos = formato_ == ArchivoPreguntas::Formato::Csv ? modelo_->finDeNivel(nivel) : modelo_->principioDeNivel(nivel);
    pila_->push(new OrdenAgregar(modelo_, pos, {nueva(nivel, *id)}, QStringLiteral("la pregunta nueva")));
    return hecho(r, pos);
}

int Documento::duplicar(int fila, Resultado* r)
{
    if (const QString no = impedimento(fila); !no.isEmpty())
        return fallo(r, no);
    FilaEditable copia = modelo_->fila(fila);
    const int nivel = copia.fila.nivel();
    const std::optional<qint64> id = idLibre(nivel);
    if (!id)
        return fallo(r, bloqueLleno(nivel));
    ponerNumero(copia, FilaBase::ID, *id);
    ponerNumero(copia, FilaBase::Veces, 0);
    ponerNumero(copia, FilaBase::Orden, AzarEntero(azar_, 1000));
    copia.tocada = true;
    copia.crudo.clear();
    pila_->push(new OrdenAgregar(modelo_, fila + 1, {copia},
                                 QStringLiteral("la copia de la pregunta %1").arg(ModeloPreguntas::id(modelo_->fila(fila)))));
    return hecho(r, fila + 1);
}

Documento::Resultado Documento::borrar(int fila)
{
    if (const QString no = impedimento(fila); !no.isEmpty())
        return Resultado::mal(no);
    pila_->push(new OrdenBorrar(modelo_, fila));
    return Resultado::bien();
}

Documento::Resultado Documento::importar(const QString& ruta)
{
    if (const QString no = impedimento(); !no.isEmpty())
        return Resultado::mal(no);
    ArchivoPreguntas::Lectura l = ArchivoPreguntas::leerParaImportar(ruta);
    if (!l.valida())
        return Resultado::mal(l.error + QStringLiteral(" No se ha añadido ninguna pregunta."));
    if (l.filas.empty())
        return Resultado::mal(QStringLiteral("%1 no tiene preguntas.").arg(ArchivoPreguntas::nombre(ruta)));

    QSet<qint64> usados = idsUsados();
    int renumeradas = 0;
    for (size_t i = 0; i < l.filas.size(); ++i) {
        FilaEditable& f = l.filas[i];
        const int huecos = l.huecos[i];
        if (huecos & FuenteCsv::hueco(FilaBase::Orden))
            ponerNumero(f, FilaBase::Orden, AzarEntero(azar_, 1000));
        if (huecos & FuenteCsv::hueco(FilaBase::Veces))
            ponerNumero(f, FilaBase::Veces, 0);
        qint64 id = ModeloPreguntas::id(f);
        const bool sinId = huecos & FuenteCsv::hueco(FilaBase::ID);
        if (sinId || usados.contains(id)) {
            const std::optional<qint64> nuevo = libreEn(f.fila.nivel(), usados);
            if (!nuevo)
                return Resultado::mal(bloqueLleno(f.fila.nivel()) + QStringLiteral(" No se ha añadido ninguna pregunta."));
            // A blank cell reads as 0 with the usual tag, so the new ID
            // always differs and is set.
            ponerNumero(f, FilaBase::ID, *nuevo);
            id = *nuevo;
            renumeradas += sinId ? 0 : 1;
        }
        usados.insert(id);
        // New to this file: written anew in its own layout.
        f.tocada = true;
        f.celdas.clear();
        f.crudo.clear();
    }
    const int cuantas = int(l.filas.size());
    pila_->push(new OrdenAgregar(modelo_, modelo_->filasTotal(), std::move(l.filas),
                                 QStringLiteral("la importación de %1").arg(ArchivoPreguntas::nombre(ruta))));
    QString nota = cuantas == 1 ? QStringLiteral("Se añadió una pregunta de %1.").arg(ArchivoPreguntas::nombre(ruta))
                                : QStringLiteral("Se añadieron %1 preguntas de %2.").arg(cuantas).arg(ArchivoPreguntas::nombre(ruta));
    if (renumeradas > 0)
        nota += renumeradas == 1 ? QStringLiteral(" Una tenía un ID que ya estaba en uso y recibió uno nuevo.")
                                 : QStringLiteral(" %1 tenían un ID que ya estaba en uso y recibieron uno nuevo.").arg(renumeradas);
    return Resultado::bien(nota);
}

std::vector<Problema> Documento::problemas(int fila) const { return revision_->problemas(fila); }

QStringList Documento::errores() const
{
    QStringList r;
    for (int i = 0; i < modelo_->filasTotal(); ++i)
        for (const Problema& p : revision_->problemas(i))
            if (p.gravedad == Problema::Error)
                r << ModeloPreguntas::lugar(modelo_->fila(i)) + QStringLiteral(": ") + p.texto + u'.';
    if (formato_ == ArchivoPreguntas::Formato::Qdb) {
        QString e;
        ArchivoPreguntas::tabla(modelo_->filas(), &e);
        if (!e.isEmpty())
            r << e.left(1).toUpper() + e.mid(1) + QStringLiteral(": el juego necesita preguntas de los cinco niveles.");
    }
    return r;
}

QStringList Documento::avisos() const
{
    QStringList r;
    for (const RevisionPreguntas::ProblemaDeFila& p : revision_->todos())
        if (p.problema.gravedad == Problema::Aviso)
            r << ModeloPreguntas::lugar(modelo_->fila(p.fila)) + QStringLiteral(": ") + p.problema.texto + u'.';
    return r;
}

Documento::Resultado Documento::resultadoGuardar(bool escrito) const
{
    if (escrito)
        return Resultado::bien(QStringLiteral("Guardado en %1.").arg(ArchivoPreguntas::nombre(ruta_)));
    return Resultado::mal(QStringLiteral("No se pudo guardar %1 (¿disco lleno, o una carpeta en la que no se puede "
                                         "escribir?). El archivo quedó como estaba antes y tus cambios siguen aquí, "
                                         "sin guardar.")
                              .arg(ArchivoPreguntas::nombre(ruta_)));
}

Documento::Resultado Documento::guardar()
{
    if (!abierto())
        return Resultado::mal(QStringLiteral("No hay ninguna base abierta."));
    if (soloLectura())
        return Resultado::mal(motivoSoloLectura_);
    const QStringList e = errores();
    if (!e.isEmpty())
        return Resultado::mal(QStringLiteral("No se puede guardar todavía: el juego no podría leer la base.\n")
                              + resumen(e, 6));
    bool escrito = false;
    if (formato_ == ArchivoPreguntas::Formato::Qdb) {
        // The game's own writer: a temporary file put in place only once
        // complete.
        escrito = ArchivoBase::escribir(ruta_, ArchivoPreguntas::tabla(modelo_->filas(), nullptr));
    } else {
        escrito = ArchivoBase::escribirDatos(ruta_, ArchivoPreguntas::bytesCsv(modelo_->filas(), disposicion_));
    }
    Resultado r = resultadoGuardar(escrito);
    if (r.ok && formato_ == ArchivoPreguntas::Formato::Qdb) {
        // The passages after the base: a failure leaves the edits unsaved,
        // so the next save writes them again.
        const CitasBase::Escritura c = CitasBase::escribir(ruta_, modelo_->filas(), citas_, biblia_);
        if (!c.ok)
            return Resultado::mal(QStringLiteral("Se guardaron las preguntas en %1, pero no sus pasajes. ")
                                      .arg(ArchivoPreguntas::nombre(ruta_))
                                  + c.nota);
        if (!c.nota.isEmpty())
            r.mensaje += u' ' + c.nota;
    }
    if (r.ok) {
        pila_->setClean();
        descartarRecuperacion();
    }
    return r;
}

QString Documento::rutaRecuperacion(const QString& ruta)
{
    // One per file: its name to be told apart by the teacher, a hash of its
    // whole path so two files of the same name do not meet.
    const QFileInfo i(ruta);
    const QByteArray h = QCryptographicHash::hash(i.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return Ubicaciones::CarpetaUsuario() + QStringLiteral("/sin-guardar/") + i.fileName() + u'.'
        + QString::fromLatin1(h) + QStringLiteral(".csv");
}

bool Documento::guardarRecuperacion() const
{
    if (!abierto() || soloLectura() || !modificado())
        return true;
    const QString r = rutaRecuperacion(ruta_);
    return QDir().mkpath(QFileInfo(r).absolutePath())
        && ArchivoBase::escribirDatos(r, ArchivoPreguntas::bytesExportacion(modelo_->filas()));
}

bool Documento::hayRecuperacion() const { return abierto() && QFileInfo::exists(rutaRecuperacion(ruta_)); }

void Documento::descartarRecuperacion()
{
    if (abierto())
        QFile::remove(rutaRecuperacion(ruta_));
}

Documento::Resultado Documento::recuperar()
{
    if (const QString no = impedimento(); !no.isEmpty())
        return Resultado::mal(no);
    ArchivoPreguntas::Lectura l = ArchivoPreguntas::leer(rutaRecuperacion(ruta_));
    if (!l.valida())
        return Resultado::mal(QStringLiteral("No se pudieron leer los cambios sin guardar: ") + l.error);
    QHash<qint64, const FilaEditable*> delArchivo;
    for (const FilaEditable& f : modelo_->filas())
        delArchivo.insert(ModeloPreguntas::id(f), &f);
    FilasEditables filas;
    filas.reserve(l.filas.size());
    for (FilaEditable& f : l.filas) {
        const FilaEditable* a = delArchivo.value(ModeloPreguntas::id(f));
        if (a) {
            // The game may have counted the question since: its count stays.
            f.fila[FilaBase::Veces] = a->fila[FilaBase::Veces];
            if (f.fila == a->fila && f.referencia == a->referencia && f.evidencia == a->evidencia) {
                filas.push_back(*a);
                continue;
            }
        }
        f.tocada = true;
        f.celdas.clear();
        f.crudo.clear();
        filas.push_back(std::move(f));
    }
    pila_->push(new OrdenReemplazarTodo(modelo_, modelo_->filas(), std::move(filas),
                                        QStringLiteral("la recuperación de los cambios sin guardar")));
    descartarRecuperacion();
    return Resultado::bien(QStringLiteral("Se recuperaron los cambios sin guardar. Revísalos y guarda con Ctrl+S."));
}

Documento::Resultado Documento::exportar(const QString& ruta) const
{
    if (ArchivoBase::escribirDatos(ruta, ArchivoPreguntas::bytesExportacion(modelo_->filas())))
        return Resultado::bien(QStringLiteral("Exportadas %1 preguntas a %2.")
                                   .arg(modelo_->filasTotal())
                                   .arg(ArchivoPreguntas::nombre(ruta)));
    return Resultado::mal(QStringLiteral("No se pudo escribir %1. Si ya existía, quedó como estaba.")
                              .arg(ArchivoPreguntas::nombre(ruta)));
}
