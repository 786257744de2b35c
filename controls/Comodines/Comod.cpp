#include "Comod.h"

// Placeholder until the real control lands.
Comod::Comod(QWidget* parent) : QWidget(parent) {}
void Comod::setSituation(qint16 v) { situacion_ = v; }
void Comod::setBackColor(qint32 c) { fondo_ = c; }
void Comod::KeyPress(qint16) {}
