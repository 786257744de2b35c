#include "CodigoQr.h"

#include <qrencode.h>

#include <memory>

CodigoQr CodigoQr::De(const QString& texto)
{
    CodigoQr c;
    const QByteArray bytes = texto.toUtf8();
    if (bytes.isEmpty())
        return c;
    // Version 0: the smallest that holds the text.
    std::unique_ptr<QRcode, decltype(&QRcode_free)> qr(QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M),
                                                       &QRcode_free);
    if (!qr || qr->width <= 0)
        return c;
    c.lado_ = qr->width;
    c.modulos_.resize(size_t(c.lado_) * size_t(c.lado_));
    for (size_t i = 0; i < c.modulos_.size(); ++i)
        c.modulos_[i] = (qr->data[i] & 1) != 0;  // the lowest bit is the colour; the others say what the module is
    return c;
}

bool CodigoQr::oscuro(int x, int y) const
{
    if (x < 0 || y < 0 || x >= lado_ || y >= lado_)
        return false;
    return modulos_[size_t(y) * size_t(lado_) + size_t(x)];
}
