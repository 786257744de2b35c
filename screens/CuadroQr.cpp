#include "CuadroQr.h"

#include <QPainter>

CuadroQr::CuadroQr(QWidget* parent) : QWidget(parent) {}

void CuadroQr::setCodigo(const CodigoQr& c)
{
    codigo_ = c;
    update();
}

QRect CuadroQr::Cuadro(const QSize& caja, int modulos, int* pixelesPorModulo)
{
    const int lado = qMin(caja.width(), caja.height());
    if (modulos <= 0 || lado < modulos)
        return {};
    const int porModulo = lado / modulos;  // whole pixels, so no module is blurred or uneven
    const int total = porModulo * modulos;
    if (pixelesPorModulo)
        *pixelesPorModulo = porModulo;
    return {(caja.width() - total) / 2, (caja.height() - total) / 2, total, total};
}

void CuadroQr::paintEvent(QPaintEvent*)
{
    int m = 0;
    const int n = codigo_.ladoConSilencio();
    const QRect cuadro = Cuadro(size(), n, &m);
    if (cuadro.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(cuadro, Qt::white);
    const int z = CodigoQr::ZonaSilencio;
    for (int y = 0; y < codigo_.lado(); ++y)
        for (int x = 0; x < codigo_.lado(); ++x)
            if (codigo_.oscuro(x, y))
                p.fillRect(cuadro.x() + (x + z) * m, cuadro.y() + (y + z) * m, m, m, Qt::black);
}
