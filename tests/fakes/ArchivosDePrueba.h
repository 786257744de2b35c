#pragma once
// Whole-file reads and writes for tests: what a test puts on disk or finds
// there, without the checks the game's own reading does.
#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray leerTodo(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool escribirTodo(const QString& ruta, const QByteArray& b)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(b) == b.size();
}
