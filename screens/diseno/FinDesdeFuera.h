#pragma once
#include <functional>

class QObject;
class QWidget;

// The program ended from outside, as when the computer shuts down or the
// session ends with it open (SIGTERM), its terminal closes (SIGHUP) or
// Ctrl+C is pressed in it (SIGINT). Left to the default, the process would
// die where it stood and lose what it had not yet written. A second such
// signal ends it at once.

// hacer runs on the event loop (never inside the signal handler), while
// dueno lives; then the program's event loop ends. Call once per run.
void AlTerminarDesdeFuera(QObject& dueno, std::function<void()> hacer);

// The game's: the board is closed as Alt+F4 closes it, so its unload step
// writes the session's counts, and the program ends.
void CerrarAlTerminar(QWidget& tablero);
