#pragma once
#include <QString>

// A reference as the question sources write it: a book's name as in
// Libros::lista(), one space, then "C:V" or "C:V-W" (verses of one chapter).
// Reading it needs no Bible: whether the chapter and verses exist is the
// Bible's to say.
struct Cita {
    enum class Estado {
        Valida,
        Vacia,             // nothing written
        MalEscrita,        // not "Libro C:V" or "Libro C:V-W"
        AlReves,           // "C:V-W" with W before V
        LibroDesconocido,  // the name is not in the list
    };

    Estado estado = Estado::Vacia;
    QString escrita;        // the reference as given, trimmed
    QString nombreLibro;    // the book's name as written
    int libro = -1;         // index in Libros::lista() when known
    int capitulo = 0;
    int desde = 0;          // first verse
    int hasta = 0;          // last verse (== desde for one verse)

    static Cita leer(const QString& referencia);
    bool valida() const { return estado == Estado::Valida; }
    // "Génesis 6:14" or "Génesis 6:14-16"; empty unless valid.
    QString texto() const;
};
