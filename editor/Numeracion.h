#pragma once
#include <QString>

// Verse numbers as printed Reina-Valera Bibles show them. In a few chapters
// the SWORD module lays the text out otherwise (Jonah's great fish is its
// 2:1, a printed Bible's 1:17); data/preguntas/numeracion.csv, built into
// the editor and read by the question checks as well, says where each of
// those printed verses begins in the module's text. A printed verse runs
// to where the next one begins.
namespace Numeracion {

struct Inicio {
    int capitulo = 0;  // the module's
    int verso = 0;
    QString empieza;   // the words it begins with inside that verse; empty: its start
};

// Where printed verse capitulo:verso of book libro (Libros::lista()) begins.
Inicio inicio(int libro, int capitulo, int verso);
// The highest printed verse of the chapter the table knows of (3 Juan 1:15
// is not in the module's count), or 0.
int mayorImpreso(int libro, int capitulo);
// Rows of the table that could not be read (a test keeps this at 0).
int filasIlegibles();

}  // namespace Numeracion
