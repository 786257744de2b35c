#pragma once
#include <QWidget>

// The prize ladder beside the question: steps 15 at the top down to 1, the
// step being played lit, the guaranteed steps picked out.
namespace Puntaje {
class Puntos : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint16 NivelActual READ NivelActual WRITE setNivelActual)
public:
    explicit Puntos(QWidget* parent = nullptr);
    qint16 NivelActual() const { return nivel_; }
    void setNivelActual(qint16 escalon);
    QString PuntosGanados() const;  // points of the step below NivelActual, e.g. "20" for 7, "1 250" for 13

    QSize sizeHint() const override { return {105, 285}; }

    // Pixel sizes of the ladder's text in a box of that size: the step
    // numbers and plain prizes (chica), the guaranteed and current prizes
    // (grande). They grow with the box's width as far as its rows allow.
    struct Letras {
        int chica, grande;
    };
    static Letras letras(QSizeF caja);
    int LetraMenor() const { return letras(size()).chica; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    qint16 nivel_ = 0;
};
}
