#include "Desenlaces.h"

namespace Desenlace {

namespace {
const QChar LF = QLatin1Char('\n');
}

Resultado Retiro(const QString& nombre, qint16 s, qint16 elegida, qint16 correcta,
                 const QString& puntosGanados)
{
    QString m = QStringLiteral("Has decidido retirarte, ") + nombre + QStringLiteral(".") + LF;
    if (elegida != -1 && elegida == correcta)
        m += QStringLiteral("Sin embargo, la respuesta que ibas a dar era buena.") + LF + LF;
    else if (elegida != -1)
        m += QStringLiteral("Suerte, pues la respuesta que ibas a dar estaba mal.") + LF + LF;
    else
        m += LF;
    if (s == 1)
        m += QStringLiteral("No ganaste nada.");
    else if (s == 2)
        m += QStringLiteral("Has ganado sólo 1 punto.");
    else
        m += QStringLiteral("Has ganado un total de ") + puntosGanados + QStringLiteral(" puntos.");
    return {qint16(qMax(0, s - 1)), m};
}

Marcas MarcasRetiro(qint16 elegida, qint16 correcta)
{
    if (correcta == elegida)
        return MarcarRespuestas(elegida, 2, -1, 0);
    return MarcarRespuestas(correcta, 2, elegida, 3);
}

Resultado Pierde(const QString& nombre, qint16 s)
{
    Resultado r;
    QString texto;
    if (s <= 3) {
        texto = QStringLiteral("No has ganado ningún punto.");
        r.escalon = 0;
    } else if (s <= 6) {
        texto = QStringLiteral("Has ganado 3 puntos.");
        r.escalon = 3;
    } else if (s <= 9) {
        texto = QStringLiteral("Has ganado 20 puntos.");
        r.escalon = 6;
    } else if (s <= 12) {
        texto = QStringLiteral("Has ganado 160 puntos.");
        r.escalon = 9;
    } else {
        texto = QStringLiteral("Has ganado 1 250 puntos.");
        r.escalon = 12;
    }
    r.mensaje = QStringLiteral("¡Respuesta incorrecta!") + LF + QStringLiteral(" Perdiste, ") + nombre +
                QStringLiteral(".") + LF + texto;
    return r;
}

Resultado Gana(const QString& nombre)
{
    return {15, QStringLiteral("¡Felicitaciones, ") + nombre + QStringLiteral("!") + LF +
                    QStringLiteral("Llegaste a los 10 000 puntos.")};
}

}  // namespace Desenlace
