#include "PuntajePuntos.h"

#include "Premios.h"

#include <QPainter>

namespace Puntaje {
void Puntos::setNivelActual(qint16 escalon)
{
    if (escalon == nivel_)
        return;
    nivel_ = escalon;
    update();
}
QString Puntos::PuntosGanados() const { return TextoPremio(qMax(0, nivel_ - 1)); }
void Puntos::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int fila = height() / 16;
    for (int s = 15; s >= 1; --s) {
        const QRect r(0, (15 - s) * fila, width(), fila);
        if (s == nivel_)
            p.fillRect(r, QColor(255, 204, 48));
        p.setPen(s == nivel_ ? QColor(0, 0, 128) : QColor(255, 204, 48));
        p.drawText(r, Qt::AlignCenter, QString::number(s) + QStringLiteral("  ") + TextoPremio(s));
    }
}
}
