#include "BotonImagen.h"

#include "AccesibleTablero.h"

#include <QMouseEvent>
#include <QPixmap>

BotonImagen::BotonImagen(const QPixmap& imagen, QWidget* parent) : QLabel(parent)
{
    InstalarAccesibleTablero();
    setCursor(Qt::PointingHandCursor);
    ponerImagen(imagen);
}

BotonImagen::BotonImagen(const QString& tooltip, QSize tamDiseno, QWidget* parent) : QLabel(parent)
{
    InstalarAccesibleTablero();
    setToolTip(tooltip);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFixedSize(tamDiseno);
}

bool BotonImagen::cargar(const QString& ruta) { return ponerImagen(QPixmap(ruta)); }

bool BotonImagen::ponerImagen(const QPixmap& imagen)
{
    if (imagen.isNull())
        return false;
    setPixmap(imagen);
    setFixedSize(imagen.deviceIndependentSize().toSize());
    return true;
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
