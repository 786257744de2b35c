#include "BotonImagen.h"

#include <QMouseEvent>

BotonImagen::BotonImagen(const QPixmap& imagen, QWidget* parent) : QLabel(parent)
{
    setPixmap(imagen);
    setFixedSize(imagen.deviceIndependentSize().toSize());
    setCursor(Qt::PointingHandCursor);
}

void BotonImagen::mousePressEvent(QMouseEvent* e)
{
    presionado_ = e->button() == Qt::LeftButton;
    e->accept();
}

void BotonImagen::mouseReleaseEvent(QMouseEvent* e)
{
    const bool era = presionado_ && e->button() == Qt::LeftButton;
    presionado_ = false;
    e->accept();
    if (era && rect().contains(e->position().toPoint()))
        emit clicked();
}
