#pragma once
#include <QTimer>
#include <QWidget>

// Interim countdown until the real one lands.
namespace Cronova {
class Timer : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint16 TiempoLimite READ TiempoLimite WRITE setTiempoLimite)
public:
    explicit Timer(QWidget* parent = nullptr);
    qint16 TiempoLimite() const { return limite_; }
    void setTiempoLimite(qint16 segundos) { limite_ = segundos; }
    void Reinicia();
    void Arranca();
    void Detiene();
    int Restante() const { return restante_; }
    bool Corriendo() const { return tic_.isActive(); }
signals:
    void Expira();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    qint16 limite_ = 30;
    int restante_ = 30;
    QTimer tic_;
};
}
