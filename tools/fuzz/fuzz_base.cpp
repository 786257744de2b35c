// libFuzzer target for the question base reader. Any input must be read
// without a crash or an out-of-bounds access; a table the reader accepts
// must write back and read again as the same table, and when it needed no
// regrouping and used the writer's header order, as the very same bytes
// (less any bytes after the table, which are not part of it).
//
// Then the game's own changes are made to it (a count goes up, an order key
// is set, as asking and reshuffling do): written back, every value the
// change did not touch keeps its very bytes, and a count keeps its tag.
#include "ArchivoBase.h"
#include "Pregunta.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {
// The bytes of each of a row's ten values, as the file holds them.
std::array<QByteArrayView, FilaBase::NumCampos> valores(QByteArrayView fila)
{
    std::array<QByteArrayView, FilaBase::NumCampos> v;
    const char* p = fila.data();
    const char* const fin = p + fila.size();
    for (auto& campo : v) {
        const char* inicio = p;
        if (!ValorEtiquetado::saltar(p, fin))
            std::abort();
        campo = QByteArrayView(inicio, p - inicio);
    }
    if (p != fin)
        std::abort();
    return v;
}

void cambiosDelJuego(const TablaBase& leida)
{
    TablaBase tabla = leida;
    for (size_t r = 0; r < tabla.size(); ++r) {
        if (r % 2 == 0)
            tabla[r][FilaBase::Veces].sumarUno();
        if (r % 3 == 1)
            tabla[r][FilaBase::Orden] = ValorEtiquetado::real32(float(r % 1000));
    }
    const ArchivoBase::Lectura otra = ArchivoBase::leer(ArchivoBase::serializar(tabla));
    if (!otra.valida() || otra.tabla.size() != leida.size())
        std::abort();
    for (size_t r = 0; r < leida.size(); ++r) {
        const auto antes = valores(leida[r].bytes());
        const auto despues = valores(otra.tabla[r].bytes());
        for (int c = 0; c < FilaBase::NumCampos; ++c) {
            const bool tocado = (c == FilaBase::Veces && r % 2 == 0) || (c == FilaBase::Orden && r % 3 == 1);
            if (!tocado && antes[size_t(c)] != despues[size_t(c)])
                std::abort();
        }
        const ValorEtiquetado veces = leida[r][FilaBase::Veces];
        if (r % 2 == 0 && veces.etiqueta() != ValorEtiquetado::Vacio
            && otra.tabla[r][FilaBase::Veces].etiqueta() != veces.etiqueta())
            std::abort();
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray entrada = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    ArchivoBase::Lectura l = ArchivoBase::leer(entrada);
    if (!l.valida())
        return 0;
    for (const FilaBase& f : l.tabla) {
        for (int c = 0; c < FilaBase::NumCampos; ++c)
            (void)f[c].aTexto();
        (void)Pregunta::ClaveOrden(f);
    }
    const QByteArray escrita = ArchivoBase::serializar(l.tabla);
    const ArchivoBase::Lectura otra = ArchivoBase::leer(escrita);
    if (!otra.valida() || !(otra.tabla == l.tabla))
        std::abort();
    const bool ordenDelEscritor = size >= 8 && data[4] == 10 && data[5] == 0 && data[6] == 0 && data[7] == 0;
    if (!l.reagrupada && ordenDelEscritor && escrita != entrada.chopped(qsizetype(l.sobrantes)))
        std::abort();
    TablaBase ordenada = l.tabla;
    Pregunta::OrdenarTabla(ordenada);
    if (ordenada.size() != l.tabla.size())
        std::abort();
    cambiosDelJuego(l.tabla);
    return 0;
}
