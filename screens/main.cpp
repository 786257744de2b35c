#include "Almacen.h"
#include "Ayuda.h"
#include "Modulo.h"
#include "Portada.h"
#include "Programa.h"
#include "Tablero.h"
#include "Traduccion.h"
#include "UnaPregunta.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <cstdio>

// The title screen starts everything: its load step runs the start routine,
// which loads the board; the board comes up after twelve seconds or a click.
//
// With ORVALIA_MEDIR_ARRANQUE set the program prints the milliseconds from
// main to the board being ready and ends there (the start-up benchmark); with
// ORVALIA_UNA_PREGUNTA it plays one question and closes (the install test).
int main(int argc, char** argv)
{
    QElapsedTimer reloj;
    reloj.start();
    QApplication app(argc, argv);
    TraducirQt(app);
    // Names the menu entry the windows belong to (the taskbar's icon on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvalia.Orvalia"));
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
        tablero = IniciarPrograma(m, a, &portada);
        return tablero != nullptr;
    });
    if (!listo)
        return 1;
    // Installed after the board's own key filter, so that it is asked first:
    // F1 opens the help wherever it is pressed.
    TeclaAyuda f1;
    app.installEventFilter(&f1);
    if (qEnvironmentVariableIsSet("ORVALIA_MEDIR_ARRANQUE")) {
        std::printf("%lld\n", static_cast<long long>(reloj.elapsed()));
        std::fflush(stdout);
        return 0;
    }
    if (qEnvironmentVariableIsSet("ORVALIA_UNA_PREGUNTA"))
        QTimer::singleShot(0, &app, [&] { JugarUnaPregunta(portada, *tablero); });
    return app.exec();
}
