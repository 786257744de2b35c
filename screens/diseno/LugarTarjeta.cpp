#include "LugarTarjeta.h"

#include "DisenoTablero.h"

#include <algorithm>

namespace Diseno {

QRect lugarTarjeta(const QRect& tablero, const QList<QRect>& ocupados, QSize minimo)
{
    const int h = Holgura;
    const QRect dentro = tablero.adjusted(h, h, -h, -h);
    // Each side of the best rectangle lies on the board's edge or Holgura
    // past an obstacle's side, so those are the only candidates.
    QList<int> izq{dentro.left()}, der{dentro.right()}, arr{dentro.top()}, aba{dentro.bottom()};
    QList<QRect> obstaculos;
    for (const QRect& r : ocupados) {
        if (r.isEmpty())
            continue;
        const QRect o = r.adjusted(-h, -h, h, h);
        obstaculos << o;
        izq << o.right() + 1;
        der << o.left() - 1;
        arr << o.bottom() + 1;
        aba << o.top() - 1;
    }
    QRect mejor;
    qint64 area = 0;
    for (int x0 : izq)
        for (int x1 : der) {
            if (x1 - x0 + 1 < minimo.width() || x0 < dentro.left() || x1 > dentro.right())
                continue;
            for (int y0 : arr)
                for (int y1 : aba) {
                    if (y1 - y0 + 1 < minimo.height() || y0 < dentro.top() || y1 > dentro.bottom())
                        continue;
                    const QRect c(QPoint(x0, y0), QPoint(x1, y1));
                    const qint64 a = qint64(c.width()) * c.height();
                    if (a <= area)
                        continue;
                    if (std::none_of(obstaculos.cbegin(), obstaculos.cend(),
                                     [&](const QRect& o) { return o.intersects(c); })) {
                        mejor = c;
                        area = a;
                    }
                }
        }
    return mejor;
}

QRect lugarTarjeta(const QRect& tablero, const QList<QRect>& ocupados, const QList<QRect>& mejorLibres, QSize minimo)
{
    const QRect todo = lugarTarjeta(tablero, ocupados, minimo);
    const auto area = [](const QRect& r) { return qint64(r.width()) * r.height(); };
    for (qsizetype n = mejorLibres.size(); n > 0; --n) {
        const QRect libre = lugarTarjeta(tablero, ocupados + mejorLibres.first(n), minimo);
        if (area(libre) * 5 >= area(todo) * 3)
            return libre;
    }
    return todo;
}

}  // namespace Diseno
