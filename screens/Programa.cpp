#include "Programa.h"

#include "Arranque.h"
#include "Estadisticas.h"
#include "Pregunta.h"
#include "Tablero.h"

#include <QIcon>
#include <QMessageBox>

std::unique_ptr<Tablero> IniciarPrograma(Modulo& m, Almacen& a)
{
    LeerAjustesInicio(m, a);
    auto t = std::make_unique<Tablero>(m, a);
    if (!t->Cargar()) {
        QMessageBox::critical(nullptr, Pregunta::TituloError(), Pregunta::MensajeError());
        return nullptr;
    }
    t->setWindowTitle(QStringLiteral("Orvalia"));
    // The icon is taken relative to the working folder; without it the
    // windows simply have none.
    const QIcon icono(QStringLiteral("Imágenes/NP.ico"));
    if (!icono.isNull()) {
        t->setWindowIcon(icono);
        t->CargarEstadisticas().setWindowIcon(icono);
    }
    return t;
}
