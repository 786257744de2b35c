#include "Plegar.h"

#include <vector>

namespace {
// What folding does to one character, as a string of actions: a character
// to keep, or Separa for a break between words. A mark adds nothing.
constexpr char16_t Separa = 0;
QString accionesDe(QChar c)
{
    QString acciones;
    for (const QChar d : QString(c).normalized(QString::NormalizationForm_D).toLower()) {
        if (d.isLetterOrNumber())
            acciones += d;
        else if (!d.isMark())
            acciones += QChar(Separa);
    }
    return acciones;
}

// The plain loop over the whole text, decomposed and in lower case.
QString plegarDespacio(const QString& texto)
{
    const QString d = texto.normalized(QString::NormalizationForm_D).toLower();
    QString r;
    bool espacio = false;
    for (const QChar c : d) {
        if (c.isLetterOrNumber()) {
            if (espacio && !r.isEmpty())
                r += u' ';
            r += c;
            espacio = false;
        } else if (!c.isMark()) {
            espacio = true;
        }
    }
    return r;
}
}  // namespace

QString plegar(const QString& texto)
{
    // Below U+2500 (Latin, Greek, Cyrillic, Hebrew and their marks and
    // punctuation) folding goes character by character through a table made
    // on first use: the same result as decomposing the whole text, since
    // the marks that decomposition would reorder are dropped. Anything else
    // (Hangul, which composes across characters, and the rest) takes the
    // plain way. The search and the checks fold every question, often. The
    // table is the one thread's: the tool and the editor fold on theirs.
    constexpr char16_t Tope = 0x2500;
    static std::vector<QString> tabla(Tope);
    static std::vector<bool> hecha(Tope, false);
    for (const QChar c : texto)
        if (c.unicode() >= Tope)
            return plegarDespacio(texto);
    QString r;
    r.reserve(texto.size());
    bool espacio = false;
    for (const QChar c : texto) {
        const char16_t u = c.unicode();
        if (!hecha[u]) {
            tabla[u] = accionesDe(c);
            hecha[u] = true;
        }
        for (const QChar a : tabla[u]) {
            if (a.unicode() == Separa) {
                espacio = true;
                continue;
            }
            if (espacio && !r.isEmpty())
                r += u' ';
            r += a;
            espacio = false;
        }
    }
    return r;
}
