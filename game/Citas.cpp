#include "Citas.h"

#include "ArchivoBase.h"
#include "Archivos.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

QString Citas::NombreArchivo() { return QStringLiteral("QBase.citas"); }

QString Citas::Junto(const QString& rutaBase)
{
    return RutaDesde(QFileInfo(rutaBase).absolutePath(), NombreArchivo());
}

QString Citas::Limpio(const QString& s) { return s.normalized(QString::NormalizationForm_C).simplified(); }

QString Citas::RutaPara(const RutasBase& rutas)
{
    const QString junto = Junto(rutas.principal);
    if (QFileInfo::exists(junto) || rutas.respaldo.isEmpty())
        return junto;
    return Junto(rutas.respaldo);
}

namespace {

const QByteArray Cabecera = "ID\tReferencia\tTexto\tEvidencia";

// ID, reference and text must be there (the editor's reading lets the text
// be missing); a field of spaces is no field.
std::optional<Citas::Fila> linea(QByteArrayView bytes, bool conTexto = true)
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
    if (!ok || c.referencia.isEmpty() || (conTexto && c.texto.isEmpty()))
        return std::nullopt;
    return std::pair{id, std::move(c)};
}

// The whole file, or nothing: a missing one, or one that is there but not
// read (too big, not a regular file, not readable).
Citas::Estado contenido(const QString& ruta, QByteArray* datos)
{
    QFile f(ruta);
    switch (AbrirArchivoNormal(f)) {
    case Apertura::Abierto: break;
    case Apertura::Falta: return Citas::Estado::Falta;
    default: return Citas::Estado::Ilegible;
    }
    if (f.size() > Citas::MayorArchivo)
        return Citas::Estado::Ilegible;
    *datos = f.read(Citas::MayorArchivo + 1);  // the file may have grown meanwhile
    if (datos->size() > Citas::MayorArchivo || f.error() != QFile::NoError) {
        datos->clear();
        return Citas::Estado::Ilegible;
    }
    return Citas::Estado::Leida;
}

template <typename F>
void porLinea(const QByteArray& datos, F&& f)
{
    for (qsizetype desde = 0; desde < datos.size();) {
        qsizetype fin = datos.indexOf('\n', desde);
        if (fin < 0)
            fin = datos.size();
        f(QByteArrayView(datos).sliced(desde, fin - desde));
        desde = fin + 1;
    }
}

}  // namespace

Citas Citas::Leer(const QString& ruta)
{
    Citas citas;
    QByteArray datos;
    if (contenido(ruta, &datos) != Estado::Leida)
        return citas;
    porLinea(datos, [&](QByteArrayView bytes) {
        auto fila = linea(bytes);
        if (fila && !citas.citas_.contains(fila->first))  // one line per ID: the first stands
            citas.citas_.insert(fila->first, std::move(fila->second));
    });
    return citas;
}

Citas::Lectura Citas::LeerParaEditar(const QString& ruta)
{
    Lectura l;
    QByteArray datos;
    l.estado = contenido(ruta, &datos);
    QSet<qint32> vistos;
    bool primera = true;
    porLinea(datos, [&](QByteArrayView bytes) {
        const bool cabecera = primera;
        primera = false;
        QByteArrayView sin = bytes.trimmed();
        if (sin.startsWith("\xEF\xBB\xBF"))
            sin = sin.sliced(3);
        if (sin.isEmpty() || (cabecera && sin == Cabecera))
            return;
        auto fila = linea(bytes, false);
        if (!fila)
            l.otras << bytes.toByteArray();  // kept for whoever can mend it
        else if (!vistos.contains(fila->first)) {  // as the game reads it: the first stands
            vistos.insert(fila->first);
            l.citas << std::move(*fila);
        }
    });
    return l;
}

QByteArray Citas::Bytes(const QList<Fila>& citas, const QList<QByteArray>& otras)
{
    QByteArray datos = Cabecera + '\n';
    for (const Fila& f : citas) {
        const QString l = QString::number(f.first) + u'\t' + Limpio(f.second.referencia) + u'\t' + Limpio(f.second.texto)
            + u'\t' + Limpio(f.second.frase);
        datos += l.toUtf8() + '\n';
    }
    for (const QByteArray& o : otras)
        datos += o + '\n';
    return datos;
}

bool Citas::Escribir(const QString& ruta, const QList<Fila>& citas, const QList<QByteArray>& otras)
{
    return ArchivoBase::escribirDatos(ruta, Bytes(citas, otras));
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
