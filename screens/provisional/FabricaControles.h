#pragma once
#include <QString>

class QWidget;

// Interim factory until the real one lands: the controls by class name.
QWidget* CrearControl(const QString& clase, QWidget* padre);
