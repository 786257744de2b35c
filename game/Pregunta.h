#pragma once
#include "Azar.h"
#include "FilaBase.h"

#include <QString>
#include <array>
#include <memory>

class CerrojoBase;

// Where the base is: the main file, which the game reads and writes, and
// the backup, which it only ever reads. Everything about writing (the lock,
// leftovers of a save, a file put aside) lies beside the main file.
struct RutasBase {
    QString principal;
    QString respaldo;
    // QBase.qdb and QBase.bak in one folder.
    static RutasBase En(const QString& carpeta);
};

// The question bank: loads the question base, hands out the next question
// of a level with its answers shuffled, counts how often each question was
// asked, sorts the base and writes it back. The board keeps one, Qtn.
class Pregunta {
public:
    // Loads the main file, or the backup when the first holds no table.
    // nullptr when neither does: the caller shows MensajeError() in an error
    // box titled TituloError() and ends the program.
    //
    // On the way it takes the base's lock (CerrojoBase). Holding it, it
    // removes what a save cut short left beside the main file, and, when
    // the backup had to be used, puts the unreadable main file aside as
    // "QBase.qdb.ilegible" before anything can write over it. Finding the
    // lock held, the bank never writes (Guarda() is false).
    static std::unique_ptr<Pregunta> Crear(const RutasBase& rutas, Azar& azar = Azar::global());
    static std::unique_ptr<Pregunta> Crear(const QString& carpeta, Azar& azar = Azar::global());
    static QString MensajeError();
    static QString TituloError();
    static QString NombreArchivo();  // "QBase.qdb"
    static QString NombreRespaldo(); // "QBase.bak"
    static QString RutaIlegible(const QString& principal);  // principal + ".ilegible"

    // Writes the base once more.
    ~Pregunta();
    Pregunta(const Pregunta&) = delete;
    Pregunta& operator=(const Pregunta&) = delete;

    // Reshuffle: new order keys, every count to zero, then Reiniciar.
    void InicializarBase();
    // Makes the next question of Nivel (1..5; other values are taken as the
    // nearest level) current and shuffles its answers.
    void PreguntaNueva(qint16 Nivel);
    // The question's text. The property is called Pregunta in the game's
    // design, but a C++ member cannot share its class's name.
    QString Enunciado() const;
    // Answer at display position 0..3; "" for any other position.
    QString Respuesta(qint16 pos) const;
    // Display position 0..3 of the right answer.
    qint16 Correcta() const { return correcta_; }
    // Counts the current question as asked once more and saves the base,
    // sorted on disk as Reiniciar sorts it; the table in memory keeps its
    // order.
    void SePreguntó();
    // Sorts the table by ClaveOrden's key and writes the file; a failed
    // write leaves the old file and the game goes on.
    void Reiniciar();
    qint32 ID() const;

    // False when this bank never writes the base: another program holds its
    // lock, or an unreadable main file could not be put aside. Reiniciar,
    // InicializarBase and the release then change only the table in memory.
    bool Guarda() const { return guarda_; }
    // What a copy that does not save says once when it starts; empty when
    // it saves, or when it keeps silent (an unreadable file it could not put
    // aside is not the player's business).
    QString AvisoSinGuardar() const { return aviso_; }
    static QString AvisoJuegoAbierto();
    static QString AvisoEditorAbierto();

    // True while no question of the base has been asked: every count reads
    // as 0 (ValorEtiquetado::enteroLeido), as in a base never played.
    bool SinPreguntar() const;

    // Read-only views for tests and tools.
    const TablaBase& Base() const { return base_; }
    int Filas() const { return int(base_.size()); }
    int FilaActual() const { return filaActual_; }
    int PosNivel(int nivel) const;
    bool RespaldoUsado() const { return respaldoUsado_; }
    QString RutaArchivo() const;

    // The order of the base: level, then times asked, then order key, each
    // read as a whole number (ValorEtiquetado::enteroLeido).
    struct Clave {
        int nivel;
        qint64 veces;
        qint64 orden;
        auto operator<=>(const Clave&) const = default;
    };
    static Clave ClaveDe(const FilaBase& fila);
    // ClaveDe written out: the level, Veces with at least four digits and
    // Orden with at least three: "20003047". For counts up to 9 999 and
    // order keys 0..999 the text order of these keys is the order of ClaveDe;
    // beyond that the text would put a question asked 10 000 times before
    // one asked 9 999 times, so the sort compares ClaveDe itself.
    static QString ClaveOrden(const FilaBase& fila);
    // Sorts rows by ClaveDe; stable, so equal keys keep their order.
    static void OrdenarTabla(TablaBase& tabla);
    // The same order without moving a row: the rows' indices, sorted.
    static std::vector<size_t> OrdenDeTabla(const TablaBase& tabla);

private:
    Pregunta(const RutasBase& rutas, Azar& azar, TablaBase base, bool respaldoUsado);
    void CalcularInicios();
    int PrimeraDeNivel(int nivel) const;
    void Escribir();

    RutasBase rutas_;
    Azar& azar_;
    TablaBase base_;
    int filaActual_ = -1;
    // Indexed 1..5; entry 0 is unused. Whole ints rather than 16-bit so a
    // base of more than 32 767 rows still walks correctly.
    std::array<int, 6> posNivel_{};
    std::array<QString, 4> respuestas_;
    qint16 correcta_ = 0;
    bool respaldoUsado_ = false;
    bool guarda_ = true;
    QString aviso_;
    // Held for the bank's whole life: released after the last write.
    std::unique_ptr<CerrojoBase> cerrojo_;
};
