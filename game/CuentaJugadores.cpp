#include "CuentaJugadores.h"

namespace CuentaJugadores {

Tecla Pulsar(const QString& caracter)
{
    if (caracter.size() == 1) {
        const QChar c = caracter.front();
        if (c >= QLatin1Char('1') && c <= QLatin1Char('6'))
            return {QString(c), true};
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return {QString(), true};
    }
    return {};  // Backspace and everything else leave the box empty
}

int Valor(const QString& texto)
{
    bool ok = false;
    const qlonglong n = texto.trimmed().toLongLong(&ok);
    if (!ok || n < 1)
        return 1;
    return n > 6 ? 6 : int(n);
}

}
