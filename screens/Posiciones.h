#pragma once
#include "Modulo.h"

#include <QDialog>
#include <array>
#include <functional>

class EtiquetaNombre;
class QLabel;

// The standings at the end of a match, modal; filled when built. Over a
// board past twice its design size it grows with the board.
class Posiciones : public QDialog {
    Q_OBJECT
public:
    Posiciones(const Modulo& m, std::function<void(qint32)> toca, QWidget* parent = nullptr);
    // exec() shows it modally.

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    std::array<EtiquetaNombre*, Modulo::MaxJugadores> tabla_{};
    std::array<QLabel*, Modulo::MaxJugadores> puntos_{};
};
