#pragma once
#include <QAccessible>
#include <QAccessibleWidget>

class Resp;

// The answer bar as a screen reader reads it: a button named by its letter
// and text ("Respuesta A: Nueve") whose description says its state in words
// ("marcada", "correcta", "incorrecta", "no disponible", joined by commas).
// Marked is also the standard checked state and a bar that takes no clicks
// is disabled, so readers that show states by themselves agree with the
// words. Pressing it through the reader chooses it as a click does.
// Internal to the library: registered by the first bar that is built.
class AccesibleResp : public QAccessibleWidget {
public:
    explicit AccesibleResp(Resp* r);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& accion) override;

    // Installs the factory once and watches the bar for enabling, showing
    // and hiding, which change its words.
    static void Vigilar(Resp* r);
    // Tells the reader that the bar's name or state changed.
    static void AvisarNombre(Resp* r);
    static void AvisarEstado(Resp* r);

private:
    Resp* resp() const;
};
