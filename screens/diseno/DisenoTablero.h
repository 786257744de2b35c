#pragma once
#include <QFont>
#include <QString>
#include <QtGlobal>
#include <array>

class QWidget;

// The board's design, in twips on an inner area of 10710 × 7620, and the
// rule that scales it to the board's current inner size.
namespace Diseno {

inline constexpr int Ancho = 10710;
inline constexpr int Alto = 7620;
inline constexpr int TwipsPorPixel = 15;
inline constexpr qint16 Igual = -1;  // Coloca: keep that dimension

int pixeles(float twips);
int pixeles(int twips);

// The large pictures and fonts are for boards wider than 15359 twips; the
// height plays no part.
bool juegoGrande(int anchoTwips);

// Places an element: left X·SW/10710, top Y·SH/7620, then width and height
// the same way unless -1. Single precision, as the layout always was, and
// each of the four written on its own, so a control that lays itself out on
// a size change sees the width and the height one after the other.
void Coloca(QWidget* w, qint16 X, qint16 Y, qint16 W, qint16 H, float SW, float SH);

// The picture elements, in the order the resize step loads them.
enum Imagen { ImgInic, ImgOpci, ImgResp, ImgReti, ImgSigu, ImgCent, NumImagenes };
// "\Imágenes\Inic_big.gif" and so on, below the program's folder.
QString archivoImagen(Imagen i, bool grande);
// The design picture built into the program (":/tablero/Inic.gif"...): what
// the board shows before its first layout and keeps if the file is missing.
QString recursoDiseno(Imagen i);

// The board's lettering: Arial (Liberation Sans where Arial is missing).
QFont fuente(int puntos, bool negrita);

struct Fuentes {
    int pregunta, siguiente, jugador;  // txtPregunta, lblNextPlayer, lblJugador (points)
};
Fuentes fuentes(bool grande);

// One row of the placement table.
enum Elemento {
    EBorde, EImage1, ELblJugador, ETxtPregunta, ECmdIniciar, ECmdOpciones, EPuntos1, EResp0, EResp1, EResp2,
    EResp3, EComod, EZnBot, ELblNextPlayer, ECmdRetira, ETimer1, NumElementos
};
struct Fila {
    Elemento elemento;
    qint16 x, y, w, h;
};
// The placements in the order the resize step makes them.
const std::array<Fila, NumElementos>& tabla();

}  // namespace Diseno
