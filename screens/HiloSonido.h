#pragma once
#include "Motor.h"

#include <functional>

class QThread;

// The one thread the media players' back-end lives in. Starting GStreamer
// and building its pipelines costs more than the rest of the start-up, and
// some of its calls stall on a file: on their own thread they hold up
// neither the first window nor the board. Started on first use; the
// application's end stops it.
namespace HiloSonido {

QThread* Hilo();

// Runs f in the media thread, after everything given to it before.
void Ejecutar(std::function<void()> f);

// The sound back-end's entry point, from the library OrvaliaSonido beside
// the program, loaded on first call; null (and said once) when it cannot be
// loaded: the game then plays without sound. Called in the media thread.
FabricaMotor Fabrica();
// Players built from now on get their motor from f instead (tests; a
// factory that gives none stands for a missing library); null: the library
// again.
void FijarFabrica(FabricaMotor f);

// Returns once the thread has run every command given to it so far (the
// start-up benchmark times the sound back-end with it). At once if the
// thread was never started.
void Sincronizar();

// Ends the thread, after it has run what it was given: the players' own
// end, queued by their destructors. A back-end that hangs on its way out
// is left behind after a few seconds rather than keeping the program alive.
// Run by the application's destructor; safe to call twice.
void Terminar();

}  // namespace HiloSonido
