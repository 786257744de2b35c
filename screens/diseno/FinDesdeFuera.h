#pragma once

class QWidget;

// The game ended from outside, as when the computer shuts down or the
// session ends with the game open (SIGTERM), its terminal closes (SIGHUP)
// or Ctrl+C is pressed in it (SIGINT): the board is closed as Alt+F4 closes
// it, so its unload step writes the session's counts, and the program ends.
// Left to the default, the process would die where it stood and every count
// of the session would be lost. A second such signal ends it at once.
//
// Call once, for the one board of the run.
void CerrarAlTerminar(QWidget& tablero);
