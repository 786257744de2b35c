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

protected:
    void paintEvent(QPaintEvent*) override;

private:
    qint16 nivel_ = 0;
};
}
