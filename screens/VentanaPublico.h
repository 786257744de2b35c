#pragma once
#include <QPointer>
#include <QWidget>
#include <array>

class CuadroQr;
class Publico;
class QLabel;

// The "Público" window, for the projector: how the room joins (the QR code,
// the address, the four-digit room code), how many phones are in, and after
// a player's game the audience's top five; or, when the room could not open,
// why, in plain Spanish. It follows the room's estadoCambia and scales with
// its own size. Every text is shown as typed, never as HTML.
class VentanaPublico : public QWidget {
    Q_OBJECT
public:
    explicit VentanaPublico(Publico& sala, QWidget* parent = nullptr);

    void Actualizar();  // from estado(), at once

    static QString TextoConectados(int n);  // "12 teléfonos conectados"

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void Colocar();
    QLabel* texto(const char* nombre, Qt::Alignment alineado = Qt::AlignLeft | Qt::AlignVCenter);

    QPointer<Publico> sala_;
    CuadroQr* qr_;
    QLabel* titulo_;
    QLabel* indicacion_;
    QLabel* direccion_;
    QLabel* rotuloCodigo_;
    QLabel* codigo_;
    QLabel* conectados_;
    QLabel* rotuloMejores_;
    std::array<QLabel*, 5> mejores_{};
    QLabel* problema_;
    QLabel* nota_;
    QString enlace_;
    bool escuchando_ = false;
};
