// libFuzzer target for the question base reader. Any input must be read
// without a crash or an out-of-bounds access; a table the reader accepts
// must write back and read again as the same table, and when it needed no
// regrouping and used the writer's header order, as the very same bytes
// (less any bytes after the table, which are not part of it).
#include "ArchivoBase.h"
#include "Pregunta.h"

#include <cstdint>
#include <cstdlib>

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
    return 0;
}
