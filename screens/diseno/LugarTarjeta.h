#pragma once
#include <QList>
#include <QRect>

namespace Diseno {

// Where the verse card goes: the largest rectangle inside the board (less
// Holgura at its edges) that keeps Holgura clear of every rectangle given,
// which are what the card must never cover (answers, ladder, countdown,
// the picture buttons on show, the names). What may lie under it (the
// question, the centre picture) is simply not given. An empty rectangle
// when nothing of at least minimo fits.
QRect lugarTarjeta(const QRect& tablero, const QList<QRect>& ocupados, QSize minimo);
// The same, leaving the rectangles "mejorLibres" (the question's text, the
// centre picture) seen too where that costs the card less than two fifths of
// its room; where it costs more, the later ones are given up first.
QRect lugarTarjeta(const QRect& tablero, const QList<QRect>& ocupados, const QList<QRect>& mejorLibres, QSize minimo);

}  // namespace Diseno
