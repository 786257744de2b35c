#include "Pregunta.h"

#include "ArchivoBase.h"
#include "Archivos.h"
#include "CerrojoBase.h"

#include <algorithm>
#include <cmath>

QString Pregunta::NombreArchivo() { return QStringLiteral("QBase.qdb"); }
QString Pregunta::NombreRespaldo() { return QStringLiteral("QBase.bak"); }
QString Pregunta::TituloError() { return QStringLiteral("Orvalia"); }

QString Pregunta::MensajeError()
{
    return QStringLiteral("No puede hallarse la base de preguntas.\n"
                          "Probablemente el archivo falte o esté corrupto.\n"
                          "Vuelva a instalar el programa.");
}

QString Pregunta::RutaIlegible(const QString& principal) { return principal + QStringLiteral(".ilegible"); }

QString Pregunta::AvisoJuegoAbierto()
{
    return QStringLiteral("Orvalia ya está abierto: esta copia no guardará el recuento de preguntas.");
}

QString Pregunta::AvisoEditorAbierto()
{
    return QStringLiteral("El editor de preguntas está abierto: el juego no guardará el recuento de preguntas.");
}

RutasBase RutasBase::En(const QString& carpeta)
{
    return {RutaDesde(carpeta, Pregunta::NombreArchivo()), RutaDesde(carpeta, Pregunta::NombreRespaldo())};
}

std::unique_ptr<Pregunta> Pregunta::Crear(const QString& carpeta, Azar& azar)
{
    return Crear(RutasBase::En(carpeta), azar);
}

std::unique_ptr<Pregunta> Pregunta::Crear(const RutasBase& rutas, Azar& azar)
{
    auto cerrojo = std::make_unique<CerrojoBase>(rutas.principal);
    const CerrojoBase::Estado estado = cerrojo->tomar();
    // Only the holder may clear leftovers: another copy's save in progress
    // has the same kind of name.
    if (estado == CerrojoBase::Tomado)
        BorrarRestosDeGuardado(rutas.principal);

    bool respaldoUsado = false;
    ArchivoBase::Lectura l = ArchivoBase::leerArchivo(rutas.principal);
    if (!l.valida()) {
        respaldoUsado = true;
        l = ArchivoBase::leerArchivo(rutas.respaldo);
        if (!l.valida())
            return nullptr;
    }
    std::unique_ptr<Pregunta> q(new Pregunta(rutas, azar, std::move(l.tabla), respaldoUsado));
    if (estado == CerrojoBase::EnUso) {
        q->guarda_ = false;
        q->aviso_ = cerrojo->editorTitular() ? AvisoEditorAbierto() : AvisoJuegoAbierto();
    } else if (respaldoUsado && !ApartarArchivo(rutas.principal, RutaIlegible(rutas.principal))) {
        q->guarda_ = false;  // writing now would destroy it
    }
    q->cerrojo_ = std::move(cerrojo);
    return q;
}

Pregunta::Pregunta(const RutasBase& rutas, Azar& azar, TablaBase base, bool respaldoUsado)
    : rutas_(rutas), azar_(azar), base_(std::move(base)), respaldoUsado_(respaldoUsado)
{
    CalcularInicios();
}

Pregunta::~Pregunta() { Escribir(); }

QString Pregunta::RutaArchivo() const { return rutas_.principal; }

void Pregunta::CalcularInicios()
{
    // The reader hands over every level 1..5 in contiguous ascending blocks,
    // so each entry ends one row before its level's first row.
    for (int n = 1; n <= 5; ++n)
        posNivel_[size_t(n)] = PrimeraDeNivel(n) - 1;
}

int Pregunta::PrimeraDeNivel(int nivel) const
{
    for (size_t r = 0; r < base_.size(); ++r)
        if (base_[r].nivel() == nivel)
            return int(r);
    return 0;
}

int Pregunta::PosNivel(int nivel) const { return nivel >= 1 && nivel <= 5 ? posNivel_[size_t(nivel)] : -1; }

void Pregunta::PreguntaNueva(qint16 Nivel)
{
    const int n = std::clamp<int>(Nivel, 1, 5);
    int& pos = posNivel_[size_t(n)];
    ++pos;
    if (pos < 0 || pos >= int(base_.size()) || base_[size_t(pos)].nivel() != n)
        pos = PrimeraDeNivel(n);
    filaActual_ = pos;

    const FilaBase& fila = base_[size_t(pos)];
    for (int i = 0; i < 4; ++i)
        respuestas_[size_t(i)] = fila[FilaBase::RespA + i].aTexto();
    correcta_ = qint16(std::max(0, fila.letra()));
    const QString correctaTexto = respuestas_[size_t(correcta_)];
    const int k = AzarEntero(azar_, 4);
    if (k != correcta_) {
        respuestas_[size_t(correcta_)] = respuestas_[size_t(k)];
        respuestas_[size_t(k)] = correctaTexto;
    }
    correcta_ = qint16(k);
}

QString Pregunta::Enunciado() const
{
    return filaActual_ >= 0 ? base_[size_t(filaActual_)][FilaBase::Enunciado].aTexto() : QString();
}

QString Pregunta::Respuesta(qint16 pos) const
{
    return pos >= 0 && pos < 4 ? respuestas_[size_t(pos)] : QString();
}

qint32 Pregunta::ID() const
{
    if (filaActual_ < 0)
        return 0;
    const ValorEtiquetado v = base_[size_t(filaActual_)][FilaBase::ID];
    if (v.esTexto())
        return v.aTexto().trimmed().toInt();
    const double d = v.numero();
    if (!(d >= -2147483648.0 && d <= 2147483647.0))
        return 0;
    return qint32(std::lround(d));
}

bool Pregunta::SinPreguntar() const
{
    return std::all_of(base_.begin(), base_.end(),
                       [](const FilaBase& f) { return f[FilaBase::Veces].enteroLeido() == 0; });
}

void Pregunta::SePreguntó()
{
    if (filaActual_ < 0)
        return;
    base_[size_t(filaActual_)][FilaBase::Veces].sumarUno();
    // Saved at once, as the closing save would write it: a lost display, a
    // kill or a power cut then loses at most the question on the board. The
    // table in memory keeps its order, so each level's walk goes on as it
    // was; only the file is sorted.
    if (guarda_)
        ArchivoBase::escribir(rutas_.principal, base_, OrdenDeTabla(base_));
}

namespace {
QString conCeros(qint64 v, int digitos)
{
    if (v < 0)
        return QLatin1Char('-') + QString::number(-v).rightJustified(digitos - 1, QLatin1Char('0'));
    return QString::number(v).rightJustified(digitos, QLatin1Char('0'));
}
}

Pregunta::Clave Pregunta::ClaveDe(const FilaBase& fila)
{
    return {fila.nivel(), fila[FilaBase::Veces].enteroLeido(), fila[FilaBase::Orden].enteroLeido()};
}

QString Pregunta::ClaveOrden(const FilaBase& fila)
{
    const Clave c = ClaveDe(fila);
    return QString::number(c.nivel) + conCeros(c.veces, 4) + conCeros(c.orden, 3);
}

std::vector<size_t> Pregunta::OrdenDeTabla(const TablaBase& tabla)
{
    struct Entrada {
        Clave clave;
        size_t fila;
    };
    std::vector<Entrada> claves;
    claves.reserve(tabla.size());
    for (size_t r = 0; r < tabla.size(); ++r)
        claves.push_back({ClaveDe(tabla[r]), r});
    std::stable_sort(claves.begin(), claves.end(),
                     [](const Entrada& a, const Entrada& b) { return a.clave < b.clave; });
    std::vector<size_t> orden;
    orden.reserve(claves.size());
    for (const Entrada& e : claves)
        orden.push_back(e.fila);
    return orden;
}

void Pregunta::OrdenarTabla(TablaBase& tabla)
{
    const std::vector<size_t> orden = OrdenDeTabla(tabla);
    // Rows move into place along the permutation's cycles: no second table
    // is built, and nothing can fail once the keys are sorted.
    std::vector<bool> colocada(tabla.size(), false);
    for (size_t i = 0; i < tabla.size(); ++i) {
        if (colocada[i] || orden[i] == i)
            continue;
        FilaBase aparte = std::move(tabla[i]);
        size_t j = i;
        while (orden[j] != i) {
            tabla[j] = std::move(tabla[orden[j]]);
            colocada[j] = true;
            j = orden[j];
        }
        tabla[j] = std::move(aparte);
        colocada[j] = true;
    }
}

void Pregunta::Reiniciar()
{
    // Levels keep their block sizes, so PosNivel stays valid.
    OrdenarTabla(base_);
    Escribir();
}

void Pregunta::InicializarBase()
{
    azar_.sembrarReloj();
    for (FilaBase& f : base_) {
        f[FilaBase::Orden] = ValorEtiquetado::real32(float(AzarEntero(azar_, 1000)));
        f[FilaBase::Veces] = ValorEtiquetado::entero16(0);
    }
    Reiniciar();
}

void Pregunta::Escribir()
{
    // Written through a temporary file that replaces QBase.qdb only once it
    // is complete: deleting the old file first would lose the whole base to
    // a crash or a full disk in between. A failure is silent; the game goes
    // on with the table in memory and the old file intact.
    if (guarda_)
        ArchivoBase::escribir(rutas_.principal, base_);
}
