#include "MandoSala.h"

#include "Publico.h"
#include "VentanaPublico.h"

#include <QEvent>
#include <QWidget>

MandoSala::MandoSala(Publico& sala, QWidget& tablero) : QObject(&tablero), sala_(&sala), tablero_(tablero) {}

MandoSala::~MandoSala()
{
    // Not a child of the board: it is a window of its own for the projector.
    delete ventana_.data();
}

void MandoSala::Aplicar(bool abierta, bool juega)
{
    if (!sala_)
        return;
    // Only what changed: the options call this at every close.
    if (!aplicado_ || juega != juega_)
        sala_->setJuegaElPublico(juega);
    if (!aplicado_ || abierta != abierta_)
        sala_->setEncendido(abierta);
    aplicado_ = true;
    abierta_ = abierta;
    juega_ = juega;
    if (!abierta) {
        tablero_.removeEventFilter(this);
        if (ventana_)
            ventana_->close();
        return;
    }
    if (tablero_.isVisible())
        MostrarVentana();
    else
        tablero_.installEventFilter(this);
}

bool MandoSala::eventFilter(QObject* o, QEvent* e)
{
    if (o == &tablero_ && e->type() == QEvent::Show) {
        tablero_.removeEventFilter(this);
        if (abierta_)
            MostrarVentana();
    }
    return false;
}

void MandoSala::MostrarVentana()
{
    if (!ventana_)
        ventana_ = new VentanaPublico(*sala_);
    // Shown again if the host closed it, left where the host put it.
    if (ventana_->isHidden())
        ventana_->show();
}
