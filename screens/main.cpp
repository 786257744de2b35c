#include "Almacen.h"
#include "Azar.h"
#include "Modulo.h"
#include "Programa.h"
#include "Tablero.h"

#include <QApplication>
#include <QScreen>

// Until the title screen takes over: seed, start, show the board centred.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Azar::global().sembrarReloj();
    Modulo m;
    Almacen a;
    auto tablero = IniciarPrograma(m, a);
    if (!tablero)
        return 1;
    if (const QScreen* s = tablero->screen())
        tablero->move(s->availableGeometry().center() - tablero->rect().center());
    tablero->show();
    return app.exec();
}
