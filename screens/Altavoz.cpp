#include "Altavoz.h"

#include "Colores.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Altavoz {

QPixmap Dibujo(int lado)
{
    QPixmap px(lado, lado);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 36.0, lado / 36.0);

    QPainterPath cuerpo;
    cuerpo.moveTo(4, 13);
    cuerpo.lineTo(10, 13);
    cuerpo.lineTo(18, 6);
    cuerpo.lineTo(18, 30);
    cuerpo.lineTo(10, 23);
    cuerpo.lineTo(4, 23);
    cuerpo.closeSubpath();
    QLinearGradient oro(0, 6, 0, 30);
    oro.setColorAt(0, QColor(255, 230, 140));
    oro.setColorAt(0.5, Colores::Oro);
    oro.setColorAt(1, QColor(170, 120, 20));
    p.setBrush(oro);
    p.setPen(QPen(QColor(60, 40, 0), 1.2));
    p.drawPath(cuerpo);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Colores::Azul, 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k) {
        const qreal r = 5 + k * 4.5;
        p.drawArc(QRectF(18 - r, 18 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    return px;
}

}
