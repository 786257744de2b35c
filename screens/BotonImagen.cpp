#include "BotonImagen.h"

#include <QMouseEvent>
#include <QPixmap>

BotonImagen::BotonImagen(const QString& tooltip, QSize tamDiseno, QWidget* parent) : QLabel(parent)
{
    setToolTip(tooltip);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resize(tamDiseno);
}

bool BotonImagen::cargar(const QString& ruta)
{
    return ponerImagen(QPixmap(ruta));
}

bool BotonImagen::ponerImagen(const QPixmap& imagen)
{
    if (imagen.isNull())
        return false;
    setPixmap(imagen);
    resize(imagen.size());
    return true;
}

void BotonImagen::mousePressEvent(QMouseEvent* e)
{
    pulsado_ = e->button() == Qt::LeftButton;
    e->accept();
}

void BotonImagen::mouseReleaseEvent(QMouseEvent* e)
{
    const bool dentro = rect().contains(e->position().toPoint());
    if (pulsado_ && e->button() == Qt::LeftButton && dentro) {
        pulsado_ = false;
        emit clicked();
    }
    pulsado_ = false;
    e->accept();
}
