#pragma once
#include <QObject>
#include "VentanaPublico.h"

#include <QPointer>

class Publico;
class QWidget;

// The host's side of the room of phones: switches it as the options say and
// keeps the "Público" window open while it is on. Switched on before the
// board is up (the stored option at start), the room listens at once and its
// window waits for the board to appear.
class MandoSala : public QObject {
    Q_OBJECT
public:
    MandoSala(Publico& sala, QWidget& tablero);
    ~MandoSala() override;

    // From the options when they close, and from the store at start.
    void Aplicar(bool abierta, bool juega);

    Publico* publico() const { return sala_.data(); }
    VentanaPublico* ventana() const { return ventana_.data(); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void MostrarVentana();

    QPointer<Publico> sala_;
    QWidget& tablero_;
    QPointer<VentanaPublico> ventana_;
    bool abierta_ = false;
    bool juega_ = false;
    bool aplicado_ = false;
};
