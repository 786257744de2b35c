#pragma once
// Writes small valid question bases for tests.
//
// Question n (1..porNivel) of level L reads "Pregunta L-n"; its answers in the
// base are "A L-n", "B L-n", "C L-n", "D L-n"; the right one is the letter
// LetraDePrueba(L, n) (so its text is RespuestaCorrectaDePrueba(L, n)); its
// ID is IdDePrueba(L, n) = L * 1000 + n; Orden is n (tag 4), Veces 0 (tag 2).
// Rows stand level by level, n ascending.
#include "ArchivoBase.h"
#include "FilaBase.h"
#include "Pregunta.h"

#include <QDir>
#include <QString>

inline QChar LetraDePrueba(int nivel, int n) { return QChar(u'A' + (nivel + n) % 4); }
inline qint32 IdDePrueba(int nivel, int n) { return nivel * 1000 + n; }
inline QString EnunciadoDePrueba(int nivel, int n) { return QStringLiteral("Pregunta %1-%2").arg(nivel).arg(n); }
inline QString RespuestaCorrectaDePrueba(int nivel, int n)
{
    return QStringLiteral("%1 %2-%3").arg(LetraDePrueba(nivel, n)).arg(nivel).arg(n);
}

inline FilaBase FilaDePrueba(int nivel, int n)
{
    FilaBase f;
    f[FilaBase::Orden] = ValorEtiquetado::real32(float(n));
    f[FilaBase::Nivel] = ValorEtiquetado::entero16(qint16(nivel));
    f[FilaBase::Enunciado] = ValorEtiquetado::texto(EnunciadoDePrueba(nivel, n));
    for (int i = 0; i < 4; ++i)
        f[FilaBase::RespA + i] = ValorEtiquetado::texto(QStringLiteral("%1 %2-%3").arg(QChar(u'A' + i)).arg(nivel).arg(n));
    f[FilaBase::LetraCorrecta] = ValorEtiquetado::texto(QString(LetraDePrueba(nivel, n)));
    f[FilaBase::Veces] = ValorEtiquetado::entero16(0);
    f[FilaBase::ID] = ValorEtiquetado::entero32(IdDePrueba(nivel, n));
    return f;
}

inline TablaBase TablaDePrueba(int porNivel = 5)
{
    TablaBase t;
    for (int nivel = 1; nivel <= 5; ++nivel)
        for (int n = 1; n <= porNivel; ++n)
            t.push_back(FilaDePrueba(nivel, n));
    return t;
}

// Writes QBase.qdb (and, with respaldo, QBase.bak too) into carpeta.
inline void EscribirBaseDePrueba(const QString& carpeta, int porNivel = 5, bool respaldo = false)
{
    QDir().mkpath(carpeta);
    const TablaBase t = TablaDePrueba(porNivel);
    ArchivoBase::escribir(carpeta + QLatin1Char('/') + Pregunta::NombreArchivo(), t);
    if (respaldo)
        ArchivoBase::escribir(carpeta + QLatin1Char('/') + Pregunta::NombreRespaldo(), t);
}
