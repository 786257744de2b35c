#pragma once
#include <QString>
#include <functional>

class QWidget;

// A yes-or-no question to the players and the news that it is done, as two
// plain functions: the game shows message boxes, tests answer at once.
struct Consulta {
    std::function<bool(QWidget* padre, const QString& pregunta)> preguntar;  // true: "Sí"
    std::function<void(QWidget* padre, const QString& aviso)> avisar;
};

// Message boxes titled titulo: "Sí" and "No", with "No" the default, since a
// question is asked before what cannot be undone; the news with "Aceptar".
Consulta ConsultaEnCajas(const QString& titulo);
