#include "ImagenComodin.h"

#include "PintaSvg.h"

#include <QMouseEvent>
#include <QPainter>

ImagenComodin::ImagenComodin(const QString& recurso, int lado, QWidget* parent)
    : QWidget(parent), recurso_(recurso) {
    setFixedSize(lado, lado);
}

void ImagenComodin::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, pixmapSvg(recurso_, size(), devicePixelRatioF()));
}

void ImagenComodin::mousePressEvent(QMouseEvent* e) {
    pulsado_ = e->button() == Qt::LeftButton;
}

void ImagenComodin::mouseReleaseEvent(QMouseEvent* e) {
    const bool clic = pulsado_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pulsado_ = false;
    if (clic && isEnabled()) emit pulsada();
}
