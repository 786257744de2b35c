#pragma once
#include "Pregunta.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

// The passages of the questions: QBase.citas, the companion the build lays
// beside the question base (the base itself keeps its ten fields). One line
// per question, UTF-8: the ID, the reference as printed Bibles number it
// ("Génesis 6:14"), the text of the Reina-Valera 1909 and the phrase that
// proves the answer, separated by tabs; a first line names the fields.
//
// Read once, with the care the base gets: only a regular file of at most
// MayorArchivo bytes; a missing, oversized or unreadable companion gives no
// passages and never stops the game, a line that cannot be read is skipped.
class Citas {
public:
    struct Cita {
        QString referencia;
        QString texto;
        QString frase;  // may be empty
    };

    // A passage cut to fit, and where the phrase stands in it (-1: nowhere).
    struct Recorte {
        QString texto;
        qsizetype desde = -1;
        qsizetype largo = 0;
    };

    static constexpr qint64 MayorArchivo = 4 * 1024 * 1024;
    static QString NombreArchivo();  // "QBase.citas"
    // The companion's place beside a base file.
    static QString Junto(const QString& rutaBase);
    // A field as the file keeps it, and as references are compared: one
    // Unicode form, white space made one (no tab, no line end).
    static QString Limpio(const QString& s);

    // The companion of a base: beside the main file, or beside the backup
    // when the main file's folder has none (a per-user copy made before
    // passages were shipped).
    static QString RutaPara(const RutasBase& rutas);
    static Citas Leer(const QString& ruta);
    static Citas DeLaBase(const RutasBase& rutas) { return Leer(RutaPara(rutas)); }

    // The companion as the question editor keeps it in step with the base:
    // whether it was there and read at all, its passages in the file's
    // order (the first line of each ID; the text may be empty, a reference
    // whose verse could not be read), and the lines that could not be read,
    // as they were, so that saving keeps what it could not understand.
    enum class Estado { Falta, Leida, Ilegible };  // Ilegible: there, but too big, not a file or not readable
    using Fila = std::pair<qint32, Cita>;
    struct Lectura {
        Estado estado = Estado::Falta;
        QList<Fila> citas;
        QList<QByteArray> otras;
    };
    static Lectura LeerParaEditar(const QString& ruta);
    // The file as the build writes it: the header, a line per passage (white
    // space made one, so no field holds a tab or a line end), then otras as
    // they were. Written aside and renamed into place; false when it could
    // not be, and then the old file stands.
    static QByteArray Bytes(const QList<Fila>& citas, const QList<QByteArray>& otras = {});
    static bool Escribir(const QString& ruta, const QList<Fila>& citas, const QList<QByteArray>& otras = {});

    std::optional<Cita> de(qint32 id) const;
    qsizetype cuantas() const { return citas_.size(); }

    // The passage shortened around the phrase to at most maximo characters,
    // "…" where it was cut, words kept whole and the phrase kept whole (a
    // phrase that alone is longer than maximo is all that is kept, and then
    // the only case the result is longer). Without the phrase in the text,
    // the passage's beginning.
    static Recorte acortar(const QString& texto, const QString& frase, qsizetype maximo);

private:
    QHash<qint32, Cita> citas_;
};
