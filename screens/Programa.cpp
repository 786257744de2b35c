#include "Programa.h"

#include "Arranque.h"
#include "AvisoAlAparecer.h"
#include "EnlaceVentanas.h"
#include "Estadisticas.h"
#include "FinDesdeFuera.h"
#include "ImagenesPrograma.h"
#include "MedidaArranque.h"
#include "Portada.h"
#include "Pregunta.h"
#include "Tablero.h"

#include <QIcon>
#include <QMessageBox>

std::unique_ptr<Tablero> IniciarPrograma(Modulo& m, Almacen& a, Portada* portada)
{
    LeerAjustesInicio(m, a);
    MedidaArranque::Marca("ajustes");
    auto t = std::make_unique<Tablero>(m, a);
    MedidaArranque::Marca("tablero");
    if (portada)
        QObject::connect(t.get(), &Tablero::cargado, portada, &Portada::OcultarEspera);
    if (!t->Cargar()) {
        QMessageBox::critical(nullptr, Pregunta::TituloError(), Pregunta::MensajeError());
        return nullptr;
    }
    MedidaArranque::Marca("carga");
    t->setWindowTitle(QStringLiteral("Orvalia"));
    EnlazarVentanas(*t, m, a);
    // Shut down with the game open, it still keeps the session's counts.
    CerrarAlTerminar(*t);
    // A second copy on the same base plays without saving and says so once.
    AvisarAlAparecer(*t, t->Qtn()->AvisoSinGuardar());
    // The options window is built afresh each time it opens and takes the
    // icon then. Without the file the windows simply have none.
    const QIcon icono = ImagenesPrograma::Icono();
    if (!icono.isNull()) {
        t->setWindowIcon(icono);
        t->CargarEstadisticas().setWindowIcon(icono);
    }
    if (portada)
        portada->PonerTitulo(ImagenesPrograma::Titulo());
    MedidaArranque::Marca("ventanas");
    return t;
}
