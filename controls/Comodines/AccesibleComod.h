#pragma once
#include <QAccessible>
#include <QAccessibleWidget>

class Comod;

// The lifeline row as a screen reader reads it: a group "Comodines" of three
// buttons, "Encuesta", "Saltar pregunta" and "Quitar dos respuestas", whatever
// set of pictures is on show. A used lifeline says "usado" and is disabled; an
// available one says "disponible" and is disabled only while the row is.
// Pressing one through the reader uses it as its letter key does.
// Internal to the library: registered by the first row that is built.
class AccesibleComod : public QAccessibleWidget {
public:
    explicit AccesibleComod(Comod* c);
    ~AccesibleComod() override;

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* hijo) const override;

    // Installs the factory once and watches the row for enabling, showing
    // and hiding, which the three lifelines take from it.
    static void Vigilar(Comod* c);
    // Called whenever the pictures on show change: tells the reader about
    // each lifeline whose used state changed since it was last told.
    static void Avisar(Comod* c);

private:
    Comod* comod() const;

    QAccessibleInterface* hijos_[3] = {};
    QAccessible::Id ids_[3] = {};
    bool usadoContado_[3] = {};
};
