#include "ContornoResp.h"

#include "PintaSvg.h"

#include <QBitmap>
#include <QHash>

namespace {

QRegion leeContorno(const QString& recurso, QSize tam) {
    // Edge pixels blend the bar into the magenta; only the clearly magenta
    // ones are outside.
    const QImage img = renderSvg(recurso, tam).convertToFormat(QImage::Format_ARGB32);
    QImage dentro(tam, QImage::Format_MonoLSB);
    dentro.setColorCount(2);
    dentro.setColor(0, qRgb(255, 255, 255));
    dentro.setColor(1, qRgb(0, 0, 0));
    dentro.fill(0);
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* linea = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = linea[x];
            const bool magenta = qAlpha(c) > 0 && qRed(c) > 160 && qGreen(c) < 96 && qBlue(c) > 160;
            if (!magenta) dentro.setPixel(x, y, 1);
        }
    }
    return QRegion(QBitmap::fromImage(dentro));
}

}  // namespace

QRegion regionContorno(bool grande, double escala) {
    // Read once per size: the four bars of a board share theirs.
    static QHash<quint64, QRegion> leidas;
    const QSize tam = (QSizeF(grande ? QSize(491, 101) : QSize(320, 65)) * escala).toSize();
    const quint64 clave = (quint64(grande) << 62) | (quint64(tam.width()) << 31) | quint64(tam.height());
    auto it = leidas.constFind(clave);
    if (it != leidas.constEnd()) return *it;
    if (leidas.size() > 16) leidas.clear();
    const QString recurso = grande ? QStringLiteral(":/Respuesta/arte/contorno_grande.svg")
                                   : QStringLiteral(":/Respuesta/arte/contorno_chica.svg");
    return *leidas.insert(clave, leeContorno(recurso, tam));
}
