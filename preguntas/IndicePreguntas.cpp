#include "Comprobador.h"
#include "Plegar.h"

#include <algorithm>
#include <limits>

IndicePreguntas::Huella IndicePreguntas::huella(const FilaBase& fila, const QString& lugar)
{
    Huella h;
    h.lugar = lugar;
    h.pregunta = plegar(fila[FilaBase::Enunciado].aTexto());
    const int letra = fila.letra();
    if (letra >= 0)
        h.correcta = plegar(fila[FilaBase::RespA + letra].aTexto());
    h.conId = fila[FilaBase::ID].enteroEntre(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(),
                                             &h.id);
    return h;
}

QString IndicePreguntas::lugar(size_t i) const
{
    const QString& l = huellas_[i].lugar;
    return l.isNull() && nombre_ ? nombre_(i) : l;
}

void IndicePreguntas::vaciar()
{
    huellas_.clear();
    porId_.clear();
    porPregunta_.clear();
    porLargo_.clear();
    ordenado_ = true;
}

void IndicePreguntas::reservar(size_t n)
{
    huellas_.reserve(n);
    porId_.reserve(qsizetype(n));
    porPregunta_.reserve(qsizetype(n));
}

void IndicePreguntas::agregar(const FilaBase& fila, const QString& lugar)
{
    huellas_.push_back(huella(fila, lugar));
    indexar(huellas_.size() - 1);
}

void IndicePreguntas::cambiar(size_t i, const FilaBase& fila, const QString& lugar)
{
    desindexar(i);
    huellas_[i] = huella(fila, lugar);
    indexar(i);
}

namespace {
template <typename Clave>
void quitarDe(QHash<Clave, std::vector<size_t>>& hash, const Clave& clave, size_t i)
{
    auto it = hash.find(clave);
    if (it == hash.end())
        return;
    std::erase(*it, i);
    if (it->empty())
        hash.erase(it);
}

template <typename Clave>
void ponerEn(QHash<Clave, std::vector<size_t>>& hash, const Clave& clave, size_t i)
{
    // Kept in ascending row order: "the first row that asks it" is the first.
    std::vector<size_t>& v = hash[clave];
    v.insert(std::lower_bound(v.begin(), v.end(), i), i);
}
}

void IndicePreguntas::indexar(size_t i)
{
    const Huella& h = huellas_[i];
    if (h.conId)
        ponerEn(porId_, h.id, i);
    if (!h.pregunta.isEmpty())
        ponerEn(porPregunta_, h.pregunta, i);
    ordenado_ = false;
}

void IndicePreguntas::desindexar(size_t i)
{
    const Huella& h = huellas_[i];
    if (h.conId)
        quitarDe(porId_, h.id, i);
    if (!h.pregunta.isEmpty())
        quitarDe(porPregunta_, h.pregunta, i);
}

const std::vector<size_t>& IndicePreguntas::porLargo() const
{
    if (!ordenado_) {
        porLargo_.resize(huellas_.size());
        for (size_t i = 0; i < porLargo_.size(); ++i)
            porLargo_[i] = i;
        std::stable_sort(porLargo_.begin(), porLargo_.end(), [this](size_t a, size_t b) {
            return huellas_[a].pregunta.size() < huellas_[b].pregunta.size();
        });
        ordenado_ = true;
    }
    return porLargo_;
}
