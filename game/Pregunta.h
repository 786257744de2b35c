#pragma once
#include "Azar.h"
#include "FilaBase.h"

#include <QString>
#include <array>
#include <memory>

// The question bank: loads the question base, hands out the next question
// of a level with its answers shuffled, counts how often each question was
// asked, sorts the base and writes it back. The board keeps one, Qtn.
class Pregunta {
public:
    // Loads QBase.qdb from carpeta, or QBase.bak when the first holds no
    // table. nullptr when neither does: the caller shows MensajeError() in
    // an error box titled TituloError() and ends the program.
    static std::unique_ptr<Pregunta> Crear(const QString& carpeta, Azar& azar = Azar::global());
    static QString MensajeError();
    static QString TituloError();
    static QString NombreArchivo();  // "QBase.qdb"
    static QString NombreRespaldo(); // "QBase.bak"

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
    // Counts the current question as asked once more.
    void SePreguntó();
    // Sorts the table by ClaveOrden and writes the file; a failed write
    // leaves the old file and the game goes on.
    void Reiniciar();
    qint32 ID() const;

    // Read-only views for tests and tools.
    const TablaBase& Base() const { return base_; }
    int Filas() const { return int(base_.size()); }
    int FilaActual() const { return filaActual_; }
    int PosNivel(int nivel) const;
    bool RespaldoUsado() const { return respaldoUsado_; }
    QString RutaArchivo() const;

    // "2" + Veces with four digits + Orden with three: "20003047".
    static QString ClaveOrden(const FilaBase& fila);
    // Sorts rows by ClaveOrden; stable, so equal keys keep their order.
    static void OrdenarTabla(TablaBase& tabla);

private:
    Pregunta(const QString& carpeta, Azar& azar, TablaBase base, bool respaldoUsado);
    void CalcularInicios();
    int PrimeraDeNivel(int nivel) const;
    void Escribir();

    QString carpeta_;
    Azar& azar_;
    TablaBase base_;
    int filaActual_ = -1;
    // Indexed 1..5; entry 0 is unused. Whole ints rather than 16-bit so a
    // base of more than 32 767 rows still walks correctly.
    std::array<int, 6> posNivel_{};
    std::array<QString, 4> respuestas_;
    qint16 correcta_ = 0;
    bool respaldoUsado_ = false;
};
