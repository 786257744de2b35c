#include "Programa.h"

#include "Arranque.h"
#include "AvisoAlAparecer.h"
#include "CrearPublico.h"
#include "EnlaceVentanas.h"
#include "Estadisticas.h"
#include "FinDesdeFuera.h"
#include "ImagenesPrograma.h"
#include "MandoSala.h"
#include "MedidaArranque.h"
#include "Modulo.h"
#include "Portada.h"
#include "Pregunta.h"
#include "Publico.h"
#include "Tablero.h"

#include <QIcon>
#include <QMessageBox>

std::unique_ptr<Tablero> IniciarPrograma(Modulo& m, Almacen& a, Portada* portada)
{
    LeerAjustesInicio(m, a);
    MedidaArranque::Marca("ajustes");
    // The room of phones lives as long as the board: destroyed with it, once
    // the board has closed, which stops its server.
    std::unique_ptr<Publico> sala = CrearPublicoEnRed();
    Tablero::Dependencias d;
    d.publico = sala.get();
    auto t = std::make_unique<Tablero>(m, a, d);
    sala.release()->setParent(t.get());
    auto* mando = new MandoSala(*d.publico, *t);
    MedidaArranque::Marca("tablero");
    if (portada)
        QObject::connect(t.get(), &Tablero::cargado, portada, &Portada::OcultarEspera);
    if (!t->Cargar()) {
        QMessageBox::critical(nullptr, Pregunta::TituloError(), Pregunta::MensajeError());
        return nullptr;
    }
    MedidaArranque::Marca("carga");
    t->setWindowTitle(QStringLiteral("Orvalia"));
    EnlazarVentanas(*t, m, a, mando);
    mando->Aplicar(m.SalaPublico, m.JuegaElPublico);
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
