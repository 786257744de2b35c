#pragma once
#include "CodigoQr.h"

#include <QWidget>

// A QR code drawn crisp at any size: whole pixels per module, dark on white
// with its quiet zone, centred in the widget on the window's navy.
class CuadroQr : public QWidget {
    Q_OBJECT
public:
    explicit CuadroQr(QWidget* parent = nullptr);
    void setCodigo(const CodigoQr& c);
    const CodigoQr& codigo() const { return codigo_; }

    // Where the white square (quiet zone included) lies in a box of that
    // size, and how many pixels a module takes; empty for no code.
    static QRect Cuadro(const QSize& caja, int modulos, int* pixelesPorModulo = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    CodigoQr codigo_;
};
