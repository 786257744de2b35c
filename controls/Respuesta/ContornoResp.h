#pragma once
#include <QRegion>

// The part of the control's box that belongs to the bar, read from the
// outline picture of the size in use: magenta marks what lies outside.
// escala: the size the bar is drawn at (1: 491 x 101 and 320 x 65).
QRegion regionContorno(bool grande, double escala = 1.0);
