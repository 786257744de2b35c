#pragma once
#include <QImage>

// The title screen's six scenes, each painted at the size it is shown at.
namespace Escenas {
QImage Rollo(QSize tam);        // a scroll opened on a reading desk
QImage Lampara(QSize tam);      // an oil lamp burning in the dark
QImage Paloma(QSize tam);       // a dove with an olive branch
QImage Arca(QSize tam);         // the ark on the waters under a rainbow
QImage Tablas(QSize tam);       // the two stone tablets before the mountain
QImage Barca(QSize tam);        // a boat on a lake at dusk
void Marco(QImage& img);        // the thin gold frame every scene gets
}
