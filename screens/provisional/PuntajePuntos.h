#pragma once
#include <QWidget>

// Interim score ladder until the real one lands.
namespace Puntaje {
class Puntos : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint16 NivelActual READ NivelActual WRITE setNivelActual)
public:
    explicit Puntos(QWidget* parent = nullptr) : QWidget(parent) {}
    qint16 NivelActual() const { return nivel_; }
    void setNivelActual(qint16 escalon);
    QString PuntosGanados() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    qint16 nivel_ = 0;
};
}
