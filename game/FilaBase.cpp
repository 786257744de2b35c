#include "FilaBase.h"

#include <cmath>
#include <cstring>

namespace {
// Ten empty values: ten zero tags.
constexpr qsizetype LargoVacia = 2 * FilaBase::NumCampos;
}

FilaBase::FilaBase() : datos_(new char[LargoVacia]()), largo_(LargoVacia) {}

FilaBase::FilaBase(const FilaBase& o) : datos_(new char[size_t(o.largo_)]), largo_(o.largo_)
{
    if (largo_ > 0)
        std::memcpy(datos_.get(), o.datos_.get(), size_t(largo_));
}

FilaBase::FilaBase(FilaBase&& o) noexcept : datos_(std::move(o.datos_)), largo_(o.largo_) { o.largo_ = 0; }

FilaBase& FilaBase::operator=(const FilaBase& o)
{
    if (this != &o)
        *this = FilaBase(o);
    return *this;
}

FilaBase& FilaBase::operator=(FilaBase&& o) noexcept
{
    datos_ = std::move(o.datos_);
    largo_ = o.largo_;
    o.largo_ = 0;
    return *this;
}

FilaBase::FilaBase(QByteArrayView diezValores)
    : datos_(new char[size_t(diezValores.size())]), largo_(diezValores.size())
{
    if (largo_ > 0)
        std::memcpy(datos_.get(), diezValores.data(), size_t(largo_));
}

bool FilaBase::medir(const char* p, const char* fin, qsizetype* largo, int* campo)
{
    const char* const inicio = p;
    for (int c = 0; c < NumCampos; ++c) {
        if (!ValorEtiquetado::saltar(p, fin)) {
            if (campo)
                *campo = c;
            return false;
        }
    }
    *largo = p - inicio;
    return true;
}

const char* FilaBase::inicioDe(int campo) const
{
    const char* p = datos_.get();
    for (int c = 0; c < campo; ++c)
        p += ValorEtiquetado::tamanoEn(p);
    return p;
}

ValorEtiquetado FilaBase::valor(int campo) const
{
    ValorEtiquetado v;
    if (campo < 0 || campo >= NumCampos)
        return v;
    const char* p = inicioDe(campo);
    ValorEtiquetado::leer(p, datos_.get() + largo_, v);
    return v;
}

void FilaBase::fijar(int campo, const ValorEtiquetado& v)
{
    if (campo < 0 || campo >= NumCampos)
        return;
    const qsizetype antes = inicioDe(campo) - datos_.get();
    const qsizetype viejo = ValorEtiquetado::tamanoEn(datos_.get() + antes);
    const qsizetype nuevo = v.tamano();
    if (nuevo == viejo) {
        v.escribir(datos_.get() + antes);
        return;
    }
    const qsizetype despues = largo_ - antes - viejo;
    const qsizetype largo = antes + nuevo + despues;
    std::unique_ptr<char[]> datos(new char[size_t(largo)]);
    std::memcpy(datos.get(), datos_.get(), size_t(antes));
    v.escribir(datos.get() + antes);
    std::memcpy(datos.get() + antes + nuevo, datos_.get() + antes + viejo, size_t(despues));
    datos_ = std::move(datos);
    largo_ = largo;
}

bool FilaBase::operator==(const FilaBase& o) const
{
    return largo_ == o.largo_ && (largo_ == 0 || std::memcmp(datos_.get(), o.datos_.get(), size_t(largo_)) == 0);
}

int FilaBase::nivel() const
{
    double n = 0;
    if (!valor(Nivel).leerNumero(&n) || !(n >= 1 && n <= 5) || std::floor(n) != n)
        return 0;
    return int(n);
}

int FilaBase::letra() const
{
    // The letter's first data byte, straight from the packed row.
    const char* p = inicioDe(LetraCorrecta);
    if (ValorEtiquetado::tamanoEn(p) < 5 || p[0] != ValorEtiquetado::Texto || p[1] != 0)
        return -1;
    const char b = p[4];
    return b >= 'A' && b <= 'D' ? b - 'A' : -1;
}
