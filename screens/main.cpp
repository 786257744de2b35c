#include "Almacen.h"
#include "Ayuda.h"
#include "HiloSonido.h"
#include "MedidaArranque.h"
#include "Modulo.h"
#include "Portada.h"
#include "Programa.h"
#include "Tablero.h"
#include "Traduccion.h"
#include "UnaPregunta.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {
constexpr int FinTrasLaUltimaVentanaMs = 200;
}

// The title screen starts everything: its load step runs the start routine,
// which loads the board; the board comes up after twelve seconds or a click.
//
// With ORVALIA_MEDIR_ARRANQUE set the program prints the milliseconds from
// main to the board being ready, then the time of each step and of the sound
// back-end's start (which runs alongside, in its own thread), and ends (the
// start-up benchmark); with ORVALIA_UNA_PREGUNTA it plays one question and
// closes (the install test).
int main(int argc, char** argv)
{
    MedidaArranque::Iniciar();
    QApplication app(argc, argv);
    MedidaArranque::Marca("qt");
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
    if (qEnvironmentVariableIsSet("ORVALIA_UNA_PREGUNTA"))
        QTimer::singleShot(0, &app, [&] { JugarUnaPregunta(portada, *tablero); });
    const int rc = app.exec();
    // The loop ends only once the board's unload step has returned: the base
    // and the settings are written and the last window is gone. What is left
    // is letting go, above all the sound thread, which waits up to three
    // seconds for GStreamer to take its players down. Nobody is to wait for
    // that: past a moment the process ends where it stands.
    std::thread([rc] {
        std::this_thread::sleep_for(std::chrono::milliseconds(FinTrasLaUltimaVentanaMs));
        std::fflush(nullptr);
        std::_Exit(rc);
    }).detach();
    return rc;
}
