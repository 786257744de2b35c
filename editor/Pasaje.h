#pragma once
#include "Cita.h"

#include <QList>
#include <QString>

// One verse as the editor shows it: plain text, runs of white space made one.
struct Versiculo {
    int numero = 0;
    QString texto;
};

// How a question's evidence phrase stands in its passage.
struct MarcaFrase {
    enum class Estado {
        Marcada,    // found, and marked in html
        NoEsta,     // the passage does not hold it
        SinFrase,   // no phrase was written
        SinPasaje,  // there is no passage to look in (the passage says why)
    };
    Estado estado = Estado::SinPasaje;
    int veces = 0;    // how many times it was marked
    // The passage as HTML for a QTextBrowser or QLabel: the reference, then
    // the verses with their numbers raised and the phrase on gold. Without a
    // passage, the reason why it cannot be shown.
    QString html;
    QString mensaje;  // plain Spanish; empty when marked
};

// The text of a reference in the Reina-Valera 1909, or why there is none.
// Made by Biblia::pasaje().
class Pasaje {
public:
    enum class Estado {
        Encontrado,
        SinReferencia,     // nothing written
        MalEscrita,        // not "Libro C:V" or "Libro C:V-W", or the range runs backwards
        LibroDesconocido,  // no book of that name
        NoExiste,          // the chapter or a verse is not in this Bible
        NoDisponible,      // the Bible text is not installed (or not built in)
    };

    Pasaje() = default;
    static Pasaje encontrado(const Cita& cita, QList<Versiculo> versiculos);
    static Pasaje fallido(Estado estado, const Cita& cita, const QString& mensaje);
    // The passage for a reference that does not read as one (Cita not valid).
    static Pasaje deCitaInvalida(const Cita& cita);

    Estado estado() const { return estado_; }
    bool esEncontrado() const { return estado_ == Estado::Encontrado; }
    const Cita& cita() const { return cita_; }
    // "Génesis 6:14": the reference written the sources' way when it is valid,
    // otherwise as given.
    QString referencia() const;
    // Plain Spanish saying why there is no text; empty when found.
    QString mensaje() const { return mensaje_; }
    const QList<Versiculo>& versiculos() const { return versiculos_; }
    // The verses joined by one space: the text a phrase is looked for in.
    QString texto() const;

    // Looks for the phrase as the sources' checker does: both sides with runs
    // of white space made one and in Unicode composed form, otherwise exact
    // (case, accents, punctuation). Every occurrence is marked.
    MarcaFrase marcar(const QString& frase) const;

    // The comparison form of a text: composed (NFC), white space collapsed.
    static QString normalizado(const QString& texto);

private:
    Estado estado_ = Estado::SinReferencia;
    Cita cita_;
    QString mensaje_;
    QList<Versiculo> versiculos_;
};
