#pragma once
#include <QList>
#include <QObject>
#include <QString>
#include <array>

// What the board shows the room, in the words the phones need.
struct PreguntaEnSala {
    QString jugador;                   // the player at the board
    int escalon = 0;                   // 1..15, the step this question is worth
    QString puntos;                    // that step's prize text ("1 250")
    QString enunciado;
    std::array<QString, 4> respuestas; // A..D as the board shows them
    int segundos = 0;                  // what the countdown has left
};

// How the board judged the question now closed.
enum class Juicio { Acierto, Fallo, Retiro };

// One line of a ranking as the room sees it: a player's standings or the
// audience's own (then `puntos` is "7 aciertos").
struct PuestoEnSala {
    QString nombre;
    QString puntos;
};

// What the "Público" window shows of the room.
struct EstadoSala {
    bool escuchando = false;
    QString problema;                  // in plain Spanish when it could not start
    QString direccion;                 // "http://192.168.1.20:8080/"
    QString enlace;                    // what the QR code holds: the address with the room code
    QString codigo;                    // the four-digit room code
    int conectados = 0;
    QList<PuestoEnSala> mejores;       // the audience's top five, after a player's game
};

// The room of phones, as the board and its windows meet it. The board calls
// it as things happen and never waits for it: everything here returns at once,
// and what the phones do comes back as signals on the board's thread. With the
// room switched off every call does nothing. Tests fake it.
class Publico : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Publico() override = default;

    // The host: listening on or off, and whether the phones play along.
    virtual void setEncendido(bool si) = 0;
    virtual void setJuegaElPublico(bool si) = 0;
    virtual EstadoSala estado() const = 0;

    // The board, as a question opens (also after a skip), loses two answers,
    // and is judged; at the end of one player's game and of a match.
    virtual void preguntaAbierta(const PreguntaEnSala& p) = 0;
    virtual void respuestasQuitadas(const std::array<bool, 4>& quitadas) = 0;
    virtual void preguntaJuzgada(int correcta, int elegida, Juicio j) = 0;
    virtual void juegoTerminado() = 0;
    virtual void partidaTerminada(const QList<PuestoEnSala>& posiciones) = 0;

    // The poll lifeline: true when at least one phone is there to vote; the
    // vote then closes by itself (time, everyone voted) or with cerrarEncuesta
    // (the countdown ran out, the player answered or walked away).
    virtual bool abrirEncuesta() = 0;
    virtual void cerrarEncuesta() = 0;

signals:
    void estadoCambia();                               // the window redraws from estado()
    void votosCambian(int votaron, int conectados);    // "Han votado 12 de 30"
    void encuestaCerrada(const std::array<int, 4>& votos);
};
