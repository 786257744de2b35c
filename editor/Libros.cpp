#include "Libros.h"

#include "Plegar.h"

#include <QHash>

namespace Libros {

const std::array<Libro, Total>& lista()
{
    static const std::array<Libro, Total> l{{
        {"Génesis", "Gen"},         {"Éxodo", "Exod"},          {"Levítico", "Lev"},
        {"Números", "Num"},         {"Deuteronomio", "Deut"},   {"Josué", "Josh"},
        {"Jueces", "Judg"},         {"Rut", "Ruth"},            {"1 Samuel", "1Sam"},
        {"2 Samuel", "2Sam"},       {"1 Reyes", "1Kgs"},        {"2 Reyes", "2Kgs"},
        {"1 Crónicas", "1Chr"},     {"2 Crónicas", "2Chr"},     {"Esdras", "Ezra"},
        {"Nehemías", "Neh"},        {"Ester", "Esth"},          {"Job", "Job"},
        {"Salmos", "Ps"},           {"Proverbios", "Prov"},     {"Eclesiastés", "Eccl"},
        {"Cantares", "Song"},       {"Isaías", "Isa"},          {"Jeremías", "Jer"},
        {"Lamentaciones", "Lam"},   {"Ezequiel", "Ezek"},       {"Daniel", "Dan"},
        {"Oseas", "Hos"},           {"Joel", "Joel"},           {"Amós", "Amos"},
        {"Abdías", "Obad"},         {"Jonás", "Jonah"},         {"Miqueas", "Mic"},
        {"Nahúm", "Nah"},           {"Habacuc", "Hab"},         {"Sofonías", "Zeph"},
        {"Hageo", "Hag"},           {"Zacarías", "Zech"},       {"Malaquías", "Mal"},
        {"Mateo", "Matt"},          {"Marcos", "Mark"},         {"Lucas", "Luke"},
        {"Juan", "John"},           {"Hechos", "Acts"},         {"Romanos", "Rom"},
        {"1 Corintios", "1Cor"},    {"2 Corintios", "2Cor"},    {"Gálatas", "Gal"},
        {"Efesios", "Eph"},         {"Filipenses", "Phil"},     {"Colosenses", "Col"},
        {"1 Tesalonicenses", "1Thess"}, {"2 Tesalonicenses", "2Thess"},
        {"1 Timoteo", "1Tim"},      {"2 Timoteo", "2Tim"},      {"Tito", "Titus"},
        {"Filemón", "Phlm"},        {"Hebreos", "Heb"},         {"Santiago", "Jas"},
        {"1 Pedro", "1Pet"},        {"2 Pedro", "2Pet"},        {"1 Juan", "1John"},
        {"2 Juan", "2John"},        {"3 Juan", "3John"},        {"Judas", "Jude"},
        {"Apocalipsis", "Rev"},
    }};
    return l;
}

QString nombre(int i)
{
    return i >= 0 && i < Total ? QString::fromUtf8(lista()[size_t(i)].nombre) : QString();
}

namespace {

// Folded with no break between words, so that "1reyes" is "1 Reyes":
// "1 Crónicas" -> "1cronicas".
QString plegado(const QString& s) { return plegar(s).remove(u' '); }

}  // namespace

int indice(const QString& n)
{
    static const QHash<QString, int> porNombre = [] {
        QHash<QString, int> h;
        for (int i = 0; i < Total; ++i)
            h.insert(nombre(i), i);
        return h;
    }();
    // The sources are NFC; a name typed with combining accents is the same name.
    return porNombre.value(n.normalized(QString::NormalizationForm_C), -1);
}

int parecido(const QString& n)
{
    static const QHash<QString, int> porPlegado = [] {
        QHash<QString, int> h;
        for (int i = 0; i < Total; ++i)
            h.insert(plegado(nombre(i)), i);
        return h;
    }();
    return porPlegado.value(plegado(n), -1);
}

}  // namespace Libros
