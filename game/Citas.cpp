#include "Citas.h"

#include "Archivos.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

QString Citas::NombreArchivo() { return QStringLiteral("QBase.citas"); }

QString Citas::RutaPara(const RutasBase& rutas)
{
    const QString junto = RutaDesde(QFileInfo(rutas.principal).absolutePath(), NombreArchivo());
    if (QFileInfo::exists(junto) || rutas.respaldo.isEmpty())
        return junto;
    return RutaDesde(QFileInfo(rutas.respaldo).absolutePath(), NombreArchivo());
}

namespace {

// ID, reference and text must be there; a field of spaces is no field.
std::optional<std::pair<qint32, Citas::Cita>> linea(QByteArrayView bytes)
{
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    const QStringList campos = texto.split(QLatin1Char('\t'));
    if (campos.size() != 4)
        return std::nullopt;
    bool ok = false;
    const qint32 id = campos[0].trimmed().toInt(&ok);
    Citas::Cita c{campos[1].trimmed(), campos[2].trimmed(), campos[3].trimmed()};
    if (!ok || c.referencia.isEmpty() || c.texto.isEmpty())
        return std::nullopt;
    return std::pair{id, std::move(c)};
}

}  // namespace

Citas Citas::Leer(const QString& ruta)
{
    Citas citas;
    // QFileInfo follows links; a pipe or a device is never opened (a pipe
    // would hold the start until someone wrote to it).
    const QFileInfo info(ruta);
    if (!info.isFile() || info.size() > MayorArchivo)
        return citas;
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly) || f.isSequential())
        return citas;
    const QByteArray datos = f.read(MayorArchivo + 1);  // the file may have grown meanwhile
    if (datos.size() > MayorArchivo)
        return citas;
    for (qsizetype desde = 0; desde < datos.size();) {
        qsizetype fin = datos.indexOf('\n', desde);
        if (fin < 0)
            fin = datos.size();
        auto fila = linea(QByteArrayView(datos).sliced(desde, fin - desde));
        if (fila && !citas.citas_.contains(fila->first))  // one line per ID: the first stands
            citas.citas_.insert(fila->first, std::move(fila->second));
        desde = fin + 1;
    }
    return citas;
}

std::optional<Citas::Cita> Citas::de(qint32 id) const
{
    const auto it = citas_.constFind(id);
    if (it == citas_.constEnd())
        return std::nullopt;
    return *it;
}

Citas::Recorte Citas::acortar(const QString& texto, const QString& frase, qsizetype maximo)
{
    const qsizetype n = texto.size();
    const qsizetype p = frase.isEmpty() ? -1 : texto.indexOf(frase);
    if (n <= maximo)
        return {texto, p, p < 0 ? 0 : frase.size()};

    const auto espacio = [&](qsizetype i) { return texto.at(i).isSpace(); };
    // The kept stretch [a, b): the phrase widened to whole words, or nothing
    // at the start; a always at a word's start, b at a word's end.
    qsizetype a = p < 0 ? 0 : p;
    qsizetype b = p < 0 ? 0 : p + frase.size();
    while (a > 0 && !espacio(a - 1))
        --a;
    while (b < n && b > a && !espacio(b))
        ++b;
    const qsizetype nucleoA = a;
    const qsizetype nucleoB = b;
    const auto largo = [&](qsizetype x, qsizetype y) { return (y - x) + (x > 0 ? 1 : 0) + (y < n ? 1 : 0); };
    const auto antes = [&](qsizetype x) {  // the start of the word before x, or -1
        qsizetype i = x;
        while (i > 0 && espacio(i - 1))
            --i;
        if (i == 0)
            return qsizetype(-1);
        while (i > 0 && !espacio(i - 1))
            --i;
        return i;
    };
    const auto despues = [&](qsizetype y) {  // the end of the word after y, or -1
        qsizetype i = y;
        while (i < n && espacio(i))
            ++i;
        if (i == n)
            return qsizetype(-1);
        while (i < n && !espacio(i))
            ++i;
        return i;
    };
    // Widened a word at a time, on the side with less around the phrase first.
    for (;;) {
        const qsizetype na = antes(a);
        const qsizetype nb = despues(b);
        const bool izquierda = na >= 0 && largo(na, b) <= maximo;
        const bool derecha = nb >= 0 && largo(a, nb) <= maximo;
        if (izquierda && (!derecha || nucleoA - a <= b - nucleoB))
            a = na;
        else if (derecha)
            b = nb;
        else
            break;
    }
    QString medio = texto.mid(a, b - a);
    if (b < n) {
        // "pez…", not "pez,…": a cut after a comma or a colon drops it,
        // unless it is the phrase's own.
        const qsizetype finFrase = p < 0 ? a : p + frase.size();
        while (a + medio.size() > finFrase && QStringLiteral(",;:").contains(medio.back()))
            medio.chop(1);
        medio += QChar(0x2026);
    }
    const QString inicio = a > 0 ? QString(QChar(0x2026)) : QString();
    Recorte r{inicio + medio, -1, 0};
    if (p >= 0 && p >= a && p + frase.size() <= b) {
        r.desde = inicio.size() + (p - a);
        r.largo = frase.size();
    }
    return r;
}
