#include "FabricaControles.h"

#include "Comod.h"
#include "Resp.h"

QWidget* CrearControl(const QString& clase, QWidget* padre) {
    if (clase == QLatin1String("Respuesta.Resp")) return new Resp(padre);
    if (clase == QLatin1String("Comodines.Comod")) return new Comod(padre);
    return nullptr;
}
