#pragma once
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

// Renders an SVG of the control's resources at the size it is shown, with the
// screen's pixel ratio, so the artwork stays sharp on dense screens. Each
// picture is rendered once per size and ratio.
inline QImage renderSvg(const QString& recurso, QSize tam, qreal dpr = 1.0) {
    const QSize px = (QSizeF(tam) * dpr).toSize();
    QImage img(px, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QSvgRenderer svg(recurso);
    if (svg.isValid()) {
        QPainter p(&img);
        svg.render(&p);
    }
    img.setDevicePixelRatio(dpr);
    return img;
}

inline QPixmap pixmapSvg(const QString& recurso, QSize tam, qreal dpr = 1.0) {
    const QString clave = recurso + QLatin1Char('@') + QString::number(tam.width()) + QLatin1Char('x')
                          + QString::number(tam.height()) + QLatin1Char('@') + QString::number(dpr);
    QPixmap pm;
    if (QPixmapCache::find(clave, &pm)) return pm;
    pm = QPixmap::fromImage(renderSvg(recurso, tam, dpr));
    QPixmapCache::insert(clave, pm);
    return pm;
}
