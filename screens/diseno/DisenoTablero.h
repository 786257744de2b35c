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

// Up to twice its design size the board is the design scaled; past that it
// keeps the proportions it has there: every picture, font, answer bar, the
// lifeline row, the ladder and the windows over the board grow by this
// factor (1 at or below twice the design). The smaller of width and height
// rules, so nothing outgrows its place on a board wider than the design's.
double crecimiento(float SW, float SH);
// The growth of the board a window comes over (its parent's window; 1 with none).
double crecimientoDe(const QWidget* sobre);

// Least room, in pixels, between two things on the board that must not touch.
inline constexpr int Holgura = 3;

// How large the answer control draws its artwork (1: its own pixel sizes).
// In its small mode the bar follows its box as it does on the design board;
// in the large mode it is at its own size up to twice the design and grows
// past it. Either way it keeps inside its box and clear of the other row.
double escalaRespuestas(float SW, float SH);
// The same for the lifeline row: its own sizes, grown past twice the design,
// and never larger than its box.
double escalaComodines(float SW, float SH);

// The picture elements, in the order the resize step loads them.
enum Imagen { ImgInic, ImgOpci, ImgResp, ImgReti, ImgSigu, ImgCent, NumImagenes };
// "\Imágenes\Inic_big.gif" and so on, below the program's folder.
QString archivoImagen(Imagen i, bool grande);
// The same picture drawn larger, for boards past twice the design and dense
// screens: paso in hundredths of the set's size ("Inic_big_x150.gif");
// 100 is the set's own file.
QString archivoImagen(Imagen i, bool grande, int paso);
// The scales the pictures are drawn at besides their own, in hundredths, smallest first.
const std::array<int, 6>& pasosImagen();
// The largest of them not above escala (device pixels per picture pixel); 100 below the first.
int pasoPara(double escala);
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
