#include "Ventanas.h"

#include "Colores.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace Ventanas {

void FondoAzul(QWidget* ventana)
{
    QPalette pal = ventana->palette();
    pal.setColor(QPalette::Window, Colores::Azul);
    pal.setColor(QPalette::WindowText, Colores::Oro);
    ventana->setPalette(pal);
    ventana->setAutoFillBackground(true);
}

void MarcoDorado(QPainter& p, const QRect& caja)
{
    p.save();
    p.setPen(QPen(Colores::Oro, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(caja.adjusted(0, 0, -1, -1));
    p.restore();
}

QFont Fuente(const QString& familia, double puntos, bool negrita)
{
    QFont f(familia);
    // Machines without the design's fonts fall back to a close sans.
    f.setFamilies({familia, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

void CentraSobrePadre(QWidget* ventana)
{
    QRect sobre;
    if (QWidget* padre = ventana->parentWidget())
        sobre = padre->window()->frameGeometry();
    else if (QScreen* pantalla = QGuiApplication::primaryScreen())
        sobre = pantalla->availableGeometry();
    if (sobre.isEmpty())
        return;
    QRect caja = ventana->frameGeometry();
    caja.moveCenter(sobre.center());
    ventana->move(caja.topLeft());
}

void CierraLasDemas(const QWidget* salvo)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != salvo && w->isVisible())
            w->close();
}

}
