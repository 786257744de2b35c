#include "ValorEtiquetado.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
QStringDecoder& decodificador()
{
    // One decoder for the whole program: Windows-1252 holds no state
    // between calls, and building a converter by name is not cheap.
    static QStringDecoder d("windows-1252");
    return d;
}

template <typename T>
T leerLE(const char* p)
{
    return qFromLittleEndian<T>(p);
}

float comoFloat(quint64 bits)
{
    const quint32 b = quint32(bits);
    float f;
    std::memcpy(&f, &b, sizeof f);
    return f;
}

double comoDouble(quint64 bits)
{
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}
}

ValorEtiquetado ValorEtiquetado::entero16(qint16 v)
{
    ValorEtiquetado r;
    r.etiqueta_ = Entero16;
    r.bits_ = quint64(qint64(v));
    return r;
}

ValorEtiquetado ValorEtiquetado::entero32(qint32 v)
{
    ValorEtiquetado r;
    r.etiqueta_ = Entero32;
    r.bits_ = quint64(qint64(v));
    return r;
}

ValorEtiquetado ValorEtiquetado::real32(float v)
{
    ValorEtiquetado r;
    r.etiqueta_ = Real32;
    quint32 b;
    std::memcpy(&b, &v, sizeof b);
    r.bits_ = b;
    return r;
}

ValorEtiquetado ValorEtiquetado::real64(double v)
{
    ValorEtiquetado r;
    r.etiqueta_ = Real64;
    std::memcpy(&r.bits_, &v, sizeof v);
    return r;
}

ValorEtiquetado ValorEtiquetado::texto(const QString& t)
{
    QStringEncoder e("windows-1252");
    return bytesTexto(e.encode(t));
}

ValorEtiquetado ValorEtiquetado::bytesTexto(const QByteArray& b)
{
    ValorEtiquetado r;
    r.etiqueta_ = Texto;
    r.texto_ = b;
    return r;
}

ValorEtiquetado ValorEtiquetado::desdeBits(Etiqueta etiqueta, quint64 bits)
{
    ValorEtiquetado r;
    r.etiqueta_ = etiqueta;
    switch (etiqueta) {
    case Entero16: r.bits_ = quint64(qint64(qint16(bits))); break;
    case Entero32: r.bits_ = quint64(qint64(qint32(bits))); break;
    case Real32: r.bits_ = quint32(bits); break;
    case Real64: r.bits_ = bits; break;
    default: break;
    }
    return r;
}

bool ValorEtiquetado::etiquetaConocida(quint16 etiqueta)
{
    switch (etiqueta) {
    case Vacio: case Entero16: case Entero32: case Real32: case Real64: case Texto:
        return true;
    default:
        return false;
    }
}

bool ValorEtiquetado::esNumero() const
{
    return etiqueta_ == Entero16 || etiqueta_ == Entero32 || etiqueta_ == Real32 || etiqueta_ == Real64;
}

double ValorEtiquetado::numero() const
{
    switch (etiqueta_) {
    case Entero16:
    case Entero32: return double(qint64(bits_));
    case Real32: return double(comoFloat(bits_));
    case Real64: return comoDouble(bits_);
    default: return 0.0;
    }
}

bool ValorEtiquetado::enteroEntre(qint64 minimo, qint64 maximo, qint64* valor) const
{
    if (!esNumero())
        return false;
    const double v = numero();
    // NaN fails both comparisons; the range test comes before the cast.
    if (!(v >= double(minimo) && v <= double(maximo)) || std::floor(v) != v)
        return false;
    if (valor)
        *valor = qint64(v);
    return true;
}

bool ValorEtiquetado::leerNumero(double* valor) const
{
    if (esNumero()) {
        *valor = numero();
        return true;
    }
    if (!esTexto())
        return false;
    bool ok = false;
    // The bytes are Windows-1252; digits, signs and the point are ASCII.
    *valor = QString::fromLatin1(texto_).trimmed().toDouble(&ok);
    return ok;
}

qint64 ValorEtiquetado::enteroLeido() const
{
    double d = 0;
    if (!leerNumero(&d) || std::isnan(d))
        return 0;
    return qint64(std::clamp(std::round(d), -2147483648.0, 2147483647.0));
}

QString ValorEtiquetado::aTexto() const
{
    switch (etiqueta_) {
    case Texto: {
        auto& d = decodificador();
        d.resetState();
        return d.decode(texto_);
    }
    case Entero16:
    case Entero32: return QString::number(qint64(bits_));
    case Real32: return QString::number(double(comoFloat(bits_)), 'g', QLocale::FloatingPointShortest);
    case Real64: return QString::number(comoDouble(bits_), 'g', QLocale::FloatingPointShortest);
    default: return QString();
    }
}

void ValorEtiquetado::sumarUno()
{
    switch (etiqueta_) {
    case Entero16:
        if (qint64(bits_) < std::numeric_limits<qint16>::max())
            bits_ = quint64(qint64(bits_) + 1);
        break;
    case Entero32:
        if (qint64(bits_) < std::numeric_limits<qint32>::max())
            bits_ = quint64(qint64(bits_) + 1);
        break;
    case Real32: *this = real32(comoFloat(bits_) + 1.0f); break;
    case Real64: *this = real64(comoDouble(bits_) + 1.0); break;
    case Texto: {
        // The count the sort reads from the text, so the two never disagree.
        const qint64 n = enteroLeido();
        texto_ = QByteArray::number(n < std::numeric_limits<qint32>::max() ? n + 1 : n);
        break;
    }
    default: *this = entero16(1); break;
    }
}

bool ValorEtiquetado::leer(const char*& p, const char* fin, ValorEtiquetado& v)
{
    if (fin - p < 2)
        return false;
    const quint16 etiqueta = leerLE<quint16>(p);
    p += 2;
    v = ValorEtiquetado();
    v.etiqueta_ = Etiqueta(etiqueta);
    switch (etiqueta) {
    case Vacio: return true;
    case Entero16:
        if (fin - p < 2) return false;
        v.bits_ = quint64(qint64(leerLE<qint16>(p)));
        p += 2;
        return true;
    case Entero32:
        if (fin - p < 4) return false;
        v.bits_ = quint64(qint64(leerLE<qint32>(p)));
        p += 4;
        return true;
    case Real32:
        if (fin - p < 4) return false;
        v.bits_ = leerLE<quint32>(p);
        p += 4;
        return true;
    case Real64:
        if (fin - p < 8) return false;
        v.bits_ = leerLE<quint64>(p);
        p += 8;
        return true;
    case Texto: {
        if (fin - p < 2) return false;
        const quint16 largo = leerLE<quint16>(p);
        p += 2;
        if (fin - p < largo) return false;
        v.texto_ = QByteArray(p, largo);
        p += largo;
        return true;
    }
    default: return false;
    }
}

bool ValorEtiquetado::saltar(const char*& p, const char* fin)
{
    if (fin - p < 2)
        return false;
    qsizetype datos;
    switch (leerLE<quint16>(p)) {
    case Vacio: datos = 0; break;
    case Entero16: datos = 2; break;
    case Entero32:
    case Real32: datos = 4; break;
    case Real64: datos = 8; break;
    case Texto:
        if (fin - p < 4)
            return false;
        datos = 2 + leerLE<quint16>(p + 2);
        break;
    default: return false;
    }
    if (fin - p - 2 < datos)
        return false;
    p += 2 + datos;
    return true;
}

qsizetype ValorEtiquetado::tamanoEn(const char* p)
{
    switch (leerLE<quint16>(p)) {
    case Entero16: return 4;
    case Entero32:
    case Real32: return 6;
    case Real64: return 10;
    case Texto: return 4 + leerLE<quint16>(p + 2);
    default: return 2;
    }
}

qsizetype ValorEtiquetado::tamano() const
{
    switch (etiqueta_) {
    case Entero16: return 4;
    case Entero32:
    case Real32: return 6;
    case Real64: return 10;
    case Texto: return 4 + qMin<qsizetype>(texto_.size(), 0xFFFF);
    default: return 2;
    }
}

void ValorEtiquetado::escribir(QByteArray& destino) const
{
    const qsizetype inicio = destino.size();
    destino.resize(inicio + tamano());
    escribir(destino.data() + inicio);
}

char* ValorEtiquetado::escribir(char* p) const
{
    qToLittleEndian<quint16>(etiqueta_, p);
    p += 2;
    switch (etiqueta_) {
    case Entero16: qToLittleEndian<qint16>(qint16(qint64(bits_)), p); return p + 2;
    case Entero32: qToLittleEndian<qint32>(qint32(qint64(bits_)), p); return p + 4;
    case Real32: qToLittleEndian<quint32>(quint32(bits_), p); return p + 4;
    case Real64: qToLittleEndian<quint64>(bits_, p); return p + 8;
    case Texto: {
        // A text longer than the 16-bit length can say is cut at 65 535
        // bytes rather than writing a length that disagrees with the data.
        const qsizetype largo = qMin<qsizetype>(texto_.size(), 0xFFFF);
        qToLittleEndian<quint16>(quint16(largo), p);
        if (largo > 0)
            std::memcpy(p + 2, texto_.constData(), size_t(largo));
        return p + 2 + largo;
    }
    default: return p;
    }
}
