#pragma once
#include <QFont>
#include <QRect>

class QPainter;
class QWidget;

// Small pieces shared by the game's own navy-and-gold windows.
namespace Ventanas {
void FondoAzul(QWidget* ventana);                    // navy (0, 0, 128) background
void MarcoDorado(QPainter& p, const QRect& caja);    // gold outline along the edges
QFont Fuente(const QString& familia, double puntos, bool negrita = true);  // with fallbacks
void CentraSobrePadre(QWidget* ventana);             // over the parent's window, else the screen
void CierraLasDemas(const QWidget* salvo);           // every other open window of the program
}
