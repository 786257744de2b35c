#include "FilaCsv.h"

#include <QLocale>
#include <QStringEncoder>
#include <cmath>
#include <limits>

QStringList FilaCsv::Cabecera()
{
    return {QStringLiteral("Orden"), QStringLiteral("Nivel"), QStringLiteral("Enunciado"),
            QStringLiteral("RespA"), QStringLiteral("RespB"), QStringLiteral("RespC"),
            QStringLiteral("RespD"), QStringLiteral("LetraCorrecta"), QStringLiteral("Veces"),
            QStringLiteral("ID")};
}

ValorEtiquetado::Etiqueta FilaCsv::etiquetaUsual(int campo)
{
    switch (campo) {
    case FilaBase::Orden: return ValorEtiquetado::Real32;
    case FilaBase::Nivel:
    case FilaBase::Veces: return ValorEtiquetado::Entero16;
    case FilaBase::ID: return ValorEtiquetado::Entero32;
    default: return ValorEtiquetado::Texto;
    }
}

bool FilaCsv::columnas(const QStringList& cabecera, Columnas& c, QString* error)
{
    const QStringList nombres = Cabecera();
    c.total = int(cabecera.size());
    for (int i = 0; i < FilaBase::NumCampos; ++i) {
        c.campo[size_t(i)] = int(cabecera.indexOf(nombres[i]));
        if (c.campo[size_t(i)] < 0) {
            if (error)
                *error = QStringLiteral("falta la columna %1").arg(nombres[i]);
            return false;
        }
    }
    c.etiquetas = int(cabecera.indexOf(ColumnaEtiquetas()));
    c.referencia = int(cabecera.indexOf(QStringLiteral("Referencia")));
    c.evidencia = int(cabecera.indexOf(QStringLiteral("Evidencia")));
    return true;
}

QString FilaCsv::aCelda(const ValorEtiquetado& v)
{
    switch (v.etiqueta()) {
    case ValorEtiquetado::Real32:
    case ValorEtiquetado::Real64:
        if (!std::isfinite(v.numero()) || (v.numero() == 0 && std::signbit(v.numero())))
            return QStringLiteral("0x") + QString::number(v.bits(), 16);
        return QString::number(v.numero(), 'g', QLocale::FloatingPointShortest);
    default: return v.aTexto();
    }
}

bool FilaCsv::desdeCelda(const QString& celda, ValorEtiquetado::Etiqueta etiqueta, ValorEtiquetado& v,
                         QString* error)
{
    auto mal = [&](const QString& e) {
        if (error)
            *error = e;
        return false;
    };
    const QString t = celda.trimmed();
    bool ok = false;
    switch (etiqueta) {
    case ValorEtiquetado::Vacio:
        if (!celda.isEmpty())
            return mal(QStringLiteral("un valor vacío lleva texto"));
        v = ValorEtiquetado();
        return true;
    case ValorEtiquetado::Entero16: {
        const int n = t.toInt(&ok);
        if (!ok || n < std::numeric_limits<qint16>::min() || n > std::numeric_limits<qint16>::max())
            return mal(QStringLiteral("«%1» no es un entero de 16 bits").arg(celda));
        v = ValorEtiquetado::entero16(qint16(n));
        return true;
    }
    case ValorEtiquetado::Entero32: {
        const qint32 n = t.toInt(&ok);
        if (!ok)
            return mal(QStringLiteral("«%1» no es un entero de 32 bits").arg(celda));
        v = ValorEtiquetado::entero32(n);
        return true;
    }
    case ValorEtiquetado::Real32:
    case ValorEtiquetado::Real64: {
        if (t.startsWith(QLatin1String("0x"))) {
            const quint64 bits = t.mid(2).toULongLong(&ok, 16);
            if (!ok)
                return mal(QStringLiteral("«%1» no es un número").arg(celda));
            v = ValorEtiquetado::desdeBits(etiqueta, bits);
            return true;
        }
        const double d = t.toDouble(&ok);
        if (!ok)
            return mal(QStringLiteral("«%1» no es un número").arg(celda));
        if (etiqueta == ValorEtiquetado::Real32 && std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max())
            return mal(QStringLiteral("«%1» no cabe en un número de 32 bits").arg(celda));
        v = etiqueta == ValorEtiquetado::Real32 ? ValorEtiquetado::real32(float(d)) : ValorEtiquetado::real64(d);
        return true;
    }
    case ValorEtiquetado::Texto: {
        QStringEncoder e("windows-1252");
        const QByteArray b = e.encode(celda);
        if (e.hasError())
            return mal(QStringLiteral("«%1» tiene caracteres que Windows-1252 no puede escribir").arg(celda));
        if (b.size() > 0xFFFF)
            return mal(QStringLiteral("un texto pasa de 65 535 bytes"));
        v = ValorEtiquetado::bytesTexto(b);
        return true;
    }
    }
    return mal(QStringLiteral("etiqueta desconocida"));
}

bool FilaCsv::aFila(const QStringList& registro, const Columnas& c, FilaBase& fila, QString* error)
{
    if (registro.size() != c.total) {
        if (error)
            *error = QStringLiteral("tiene %1 columnas y la cabecera %2").arg(registro.size()).arg(c.total);
        return false;
    }
    std::array<ValorEtiquetado::Etiqueta, FilaBase::NumCampos> etiquetas;
    for (int i = 0; i < FilaBase::NumCampos; ++i)
        etiquetas[size_t(i)] = etiquetaUsual(i);
    if (c.etiquetas >= 0 && !registro[c.etiquetas].trimmed().isEmpty()) {
        const QStringList partes = registro[c.etiquetas].split(u' ', Qt::SkipEmptyParts);
        if (partes.size() != FilaBase::NumCampos) {
            if (error)
                *error = QStringLiteral("Etiquetas debe tener diez números");
            return false;
        }
        for (int i = 0; i < FilaBase::NumCampos; ++i) {
            bool ok = false;
            const uint e = partes[i].toUInt(&ok);
            if (!ok || e > 0xFFFF || !ValorEtiquetado::etiquetaConocida(quint16(e))) {
                if (error)
                    *error = QStringLiteral("etiqueta desconocida «%1»").arg(partes[i]);
                return false;
            }
            etiquetas[size_t(i)] = ValorEtiquetado::Etiqueta(e);
        }
    }
    const QStringList nombres = Cabecera();
    for (int i = 0; i < FilaBase::NumCampos; ++i) {
        QString e;
        ValorEtiquetado v;
        if (!desdeCelda(registro[c.campo[size_t(i)]], etiquetas[size_t(i)], v, &e)) {
            if (error)
                *error = nombres[i] + QStringLiteral(": ") + e;
            return false;
        }
        fila[i] = v;
    }
    return true;
}

QStringList FilaCsv::desdeFila(const FilaBase& fila)
{
    QStringList r;
    QStringList etiquetas;
    bool usuales = true;
    for (int i = 0; i < FilaBase::NumCampos; ++i) {
        r << aCelda(fila[i]);
        etiquetas << QString::number(fila[i].etiqueta());
        usuales = usuales && fila[i].etiqueta() == etiquetaUsual(i);
    }
    r << (usuales ? QString() : etiquetas.join(u' '));
    return r;
}
