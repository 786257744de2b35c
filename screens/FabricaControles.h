#pragma once
#include <QString>

class QWidget;

// Creates the board's answer and lifeline controls by their class names,
// "Respuesta.Resp" and "Comodines.Comod", owned by the given parent.
// Any other name gives nullptr.
QWidget* CrearControl(const QString& clase, QWidget* padre);
