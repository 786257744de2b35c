#pragma once
#include "FilaBase.h"

#include <QByteArray>
#include <QString>
#include <span>

// The question base file: the whole table as one tagged value, an array of
// two dimensions (ten fields by N + 1 rows), little-endian.
class ArchivoBase {
public:
    struct Lectura {
        TablaBase tabla;
        QString error;    // empty when the file holds a usable table
        qint64 fila = -1; // the row at fault, when one is
        bool reagrupada = false; // levels stood out of order and were regrouped
        qint64 sobrantes = 0;    // bytes after the table, which are not read
        bool valida() const { return error.isEmpty(); }
    };

    // The table's structure only: header, tags, lengths. Rows are not
    // judged. Bytes after the last value do not matter: the file is one
    // tagged value, and whatever follows it is no part of the table.
    static Lectura leerEstructura(const QByteArray& datos);
    // A table the game can play: the structure, every row's level and right
    // letter as the row is read (a bad row stops the reading there), then
    // the levels (see comprobarNiveles).
    static Lectura leer(const QByteArray& datos);
    // leer on a file, or leerEstructura with soloEstructura. Only a regular
    // file (or a link to one) is opened: a pipe or a device could block the
    // start or never end. The header is judged before the rest is read.
    static Lectura leerArchivo(const QString& ruta, bool soloEstructura = false);

    // Row checks the game relies on; an empty text when the row is sound.
    static QString errorDeFila(const FilaBase& fila);
    // Every level 1..5 present, rows grouped by level in ascending order.
    static QString comprobarNiveles(TablaBase& tabla, bool* reagrupada = nullptr);

    // The table's bytes; with orden (indices of rows), its rows in that order.
    static QByteArray serializar(const TablaBase& tabla, std::span<const size_t> orden = {});
    // Writes through a temporary file beside ruta (NombreDeGuardado, a name
    // of the game's own), flushed to disk and renamed over ruta only once
    // complete; on failure the old file stays as it was and the temporary
    // is removed.
    static bool escribir(const QString& ruta, const TablaBase& tabla, std::span<const size_t> orden = {});
    // The same safe write for any bytes (the editor's CSV files).
    static bool escribirDatos(const QString& ruta, const QByteArray& datos);

    // Test seam: the writer fails once it has written this many bytes
    // (-1, the default, never). Lets a test stand in for a full disk.
    static void fijarLimiteEscritura(qint64 bytes);

    static constexpr quint16 EtiquetaTabla = 0x200C;
    static constexpr int Niveles = 5;
};
