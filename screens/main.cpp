#include "Almacen.h"
#include "Ayuda.h"
#include "HiloSonido.h"
#include "MedidaArranque.h"
#include "Modulo.h"
#include "Portada.h"
#include "Programa.h"
#include "Tablero.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>

// The title screen starts everything: its load step runs the start routine,
// which loads the board; the board comes up after twelve seconds or a click.
//
// With ORVALIA_MEDIR_ARRANQUE set the program prints the milliseconds from
// main to the board being ready, then the time of each step and of the sound
// back-end's start (which runs alongside, in its own thread), and ends (the
// start-up benchmark).
int main(int argc, char** argv)
{
    MedidaArranque::Iniciar();
    QApplication app(argc, argv);
    MedidaArranque::Marca("qt");
    Modulo m;
    Almacen a;
    Portada portada;
    std::unique_ptr<Tablero> tablero;
    portada.mostrarTablero = [&tablero] {
        if (const QScreen* s = tablero->screen())
            tablero->move(s->availableGeometry().center() - tablero->rect().center());
        tablero->show();
    };
    const bool listo = portada.Cargar([&] {
        MedidaArranque::Marca("portada");
        tablero = IniciarPrograma(m, a, &portada);
        return tablero != nullptr;
    });
    if (!listo)
        return 1;
    // Installed after the board's own key filter, so that it is asked first:
    // F1 opens the help wherever it is pressed.
    TeclaAyuda f1;
    app.installEventFilter(&f1);
    if (MedidaArranque::Activa()) {
        std::printf("%.1f\n", MedidaArranque::Transcurrido());
        std::fflush(stdout);
        HiloSonido::Sincronizar();
        MedidaArranque::Marca("sonido");
        std::printf("%s", qPrintable(MedidaArranque::Informe()));
        return 0;
    }
    return app.exec();
}
