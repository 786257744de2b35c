#include "MedidaArranque.h"

#include <QElapsedTimer>
#include <QList>
#include <QPair>

namespace MedidaArranque {

namespace {
QElapsedTimer reloj;
QList<QPair<QString, double>> pasos;
}

bool Activa()
{
    static const bool activa = qEnvironmentVariableIsSet("ORVALIA_MEDIR_ARRANQUE");
    return activa;
}

void Iniciar()
{
    if (Activa())
        reloj.start();
}

void Marca(const char* paso)
{
    if (Activa() && reloj.isValid())
        pasos.append({QString::fromLatin1(paso), double(reloj.nsecsElapsed()) / 1e6});
}

double Transcurrido() { return reloj.isValid() ? double(reloj.nsecsElapsed()) / 1e6 : 0; }

QString Informe()
{
    QString s;
    for (const auto& [paso, ms] : pasos)
        s += paso + QLatin1Char(' ') + QString::number(ms, 'f', 2) + QLatin1Char('\n');
    return s;
}

}  // namespace MedidaArranque
