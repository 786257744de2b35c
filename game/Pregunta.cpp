#include "Pregunta.h"

#include "ArchivoBase.h"
#include "Archivos.h"

#include <algorithm>
#include <cmath>
#include <tuple>

QString Pregunta::NombreArchivo() { return QStringLiteral("QBase.qdb"); }
QString Pregunta::NombreRespaldo() { return QStringLiteral("QBase.bak"); }
QString Pregunta::TituloError() { return QStringLiteral("Orvalia"); }

QString Pregunta::MensajeError()
{
    return QStringLiteral("No puede hallarse la base de preguntas.\n"
                          "Probablemente el archivo falte o esté corrupto.\n"
                          "Vuelva a instalar el programa.");
}

std::unique_ptr<Pregunta> Pregunta::Crear(const QString& carpeta, Azar& azar)
{
    bool respaldoUsado = false;
    ArchivoBase::Lectura l = ArchivoBase::leerArchivo(RutaDesde(carpeta, NombreArchivo()));
    if (!l.valida()) {
        respaldoUsado = true;
        l = ArchivoBase::leerArchivo(RutaDesde(carpeta, NombreRespaldo()));
        if (!l.valida())
            return nullptr;
    }
    return std::unique_ptr<Pregunta>(new Pregunta(carpeta, azar, std::move(l.tabla), respaldoUsado));
}

Pregunta::Pregunta(const QString& carpeta, Azar& azar, TablaBase base, bool respaldoUsado)
    : carpeta_(carpeta), azar_(azar), base_(std::move(base)), respaldoUsado_(respaldoUsado)
{
    CalcularInicios();
}

Pregunta::~Pregunta() { Escribir(); }

QString Pregunta::RutaArchivo() const { return RutaDesde(carpeta_, NombreArchivo()); }

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
    const ValorEtiquetado& v = base_[size_t(filaActual_)][FilaBase::ID];
    if (v.esTexto())
        return v.aTexto().trimmed().toInt();
    const double d = v.numero();
    if (!(d >= -2147483648.0 && d <= 2147483647.0))
        return 0;
    return qint32(std::lround(d));
}

void Pregunta::SePreguntó()
{
    if (filaActual_ >= 0)
        base_[size_t(filaActual_)][FilaBase::Veces].sumarUno();
}

namespace {
// Whole number of a field for the sort, rounded as the game prints it; text
// and empty values count as 0, values outside 32 bits stop at the edge.
qint64 enteroDe(const ValorEtiquetado& v)
{
    const double d = v.esTexto() ? v.aTexto().trimmed().toDouble() : v.numero();
    if (std::isnan(d))
        return 0;
    return qint64(std::clamp(std::round(d), -2147483648.0, 2147483647.0));
}

QString conCeros(qint64 v, int digitos)
{
    if (v < 0)
        return QLatin1Char('-') + QString::number(-v).rightJustified(digitos - 1, QLatin1Char('0'));
    return QString::number(v).rightJustified(digitos, QLatin1Char('0'));
}
}

QString Pregunta::ClaveOrden(const FilaBase& fila)
{
    return QString::number(fila.nivel()) + conCeros(enteroDe(fila[FilaBase::Veces]), 4)
        + conCeros(enteroDe(fila[FilaBase::Orden]), 3);
}

void Pregunta::OrdenarTabla(TablaBase& tabla)
{
    // Compares level, count and order key as numbers. For counts up to 9 999
    // and keys 0..999 that is exactly the text order of ClaveOrden; past
    // that the text order would put a question asked 10 000 times before
    // one asked 9 999 times, so the numbers decide instead.
    struct Clave {
        int nivel;
        qint64 veces;
        qint64 orden;
        size_t fila;
    };
    std::vector<Clave> claves;
    claves.reserve(tabla.size());
    for (size_t r = 0; r < tabla.size(); ++r)
        claves.push_back({tabla[r].nivel(), enteroDe(tabla[r][FilaBase::Veces]), enteroDe(tabla[r][FilaBase::Orden]), r});
    std::stable_sort(claves.begin(), claves.end(), [](const Clave& a, const Clave& b) {
        return std::tie(a.nivel, a.veces, a.orden) < std::tie(b.nivel, b.veces, b.orden);
    });
    // Rows move into place along the permutation's cycles: no second table
    // is built, and nothing can fail once the keys are sorted.
    std::vector<bool> colocada(tabla.size(), false);
    for (size_t i = 0; i < tabla.size(); ++i) {
        if (colocada[i] || claves[i].fila == i)
            continue;
        FilaBase aparte = std::move(tabla[i]);
        size_t j = i;
        while (claves[j].fila != i) {
            tabla[j] = std::move(tabla[claves[j].fila]);
            colocada[j] = true;
            j = claves[j].fila;
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
    ArchivoBase::escribir(RutaArchivo(), base_);
}
