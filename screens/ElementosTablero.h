#pragma once
#include "DisenoTablero.h"
#include "EtiquetaNombre.h"

#include <array>

class BotonImagen;
class Comod;
class QFrame;
class QLabel;
class QWidget;
class Resp;
class TarjetaVerso;
namespace Cronova { class Timer; }
namespace Puntaje { class Puntos; }

// The board's elements in their design state, created in stacking order
// (Borde rearmost, Label2 in front of Image1), and the resize step that
// scales them. The board owns them through Qt's parent chain.
class ElementosTablero {
public:
    explicit ElementosTablero(QWidget* tablero);

    // The resize step for an inner size in twips: picture set, pictures
    // read again from their files, fonts, placements. Each action stands
    // alone: a picture that cannot be read is skipped and keeps the old one.
    // Past twice the design everything drawn grows with the board
    // (Diseno::crecimiento): the pictures from their larger files, the
    // fonts, the answer bars, the lifeline row and the ladder.
    void Aplicar(int anchoTwips, int altoTwips);

    QFrame* Borde;
    QLabel* Image1;
    QLabel* Label2;
    EtiquetaNombre* lblJugador;
    QLabel* txtPregunta;
    BotonImagen* cmdIniciar;
    BotonImagen* cmdOpciones;
    Puntaje::Puntos* Puntos1;
    std::array<Resp*, 4> Resp1{};
    Comod* comod;
    Cronova::Timer* Timer1;
    QWidget* znBot;
    EtiquetaNombre* lblNextPlayer;
    BotonImagen* cmdResponder;
    BotonImagen* cmdSigPreg;
    BotonImagen* cmdRetira;
    TarjetaVerso* tarjeta;  // frontmost: it may lie over the question and the centre picture

    // Puts the verse card in the largest room that leaves clear what is on
    // show and must stay seen (Diseno::lugarTarjeta): run by the resize step
    // and whenever "Iniciar", "Opciones" or the question's ID shows or hides.
    void ColocarTarjeta();
    // Where the question's text stands on the board (empty: no question).
    QRect TextoPregunta() const;

private:
    QWidget* elemento(Diseno::Elemento e) const;
    void cargarImagenes(bool grande, double crece);
    void fijarFuentes(bool grande, double crece);

    QWidget* tablero_;
};
