#pragma once
#include <QString>
#include <array>

// The 66 books in the order of the Reina-Valera 1909: the name as the
// question sources write it ("1 Reyes", "Apocalipsis") and its OSIS code, the
// name the SWORD library knows it by.
namespace Libros {

struct Libro {
    const char* nombre;  // UTF-8
    const char* osis;
};

inline constexpr int Total = 66;
const std::array<Libro, Total>& lista();

QString nombre(int indice);  // empty outside 0..65
// The index of a name written exactly as in the list, or -1.
int indice(const QString& nombre);
// For a name that is not in the list: the book it seems to mean once case,
// accents and spaces are set aside ("genesis", "1reyes"), or -1.
int parecido(const QString& nombre);

}  // namespace Libros
