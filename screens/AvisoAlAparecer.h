#pragma once
#include <QString>

class QWidget;

// Shows msj once in the game's message window (the plain face), as soon as
// ventana has first been shown: a notice found at start-up waits until the
// board is up, where the player sees it.
void AvisarAlAparecer(QWidget& ventana, const QString& msj);
