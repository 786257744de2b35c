#pragma once
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

// The question countdown: a ring that drains around the seconds left.
namespace Cronova {
class Timer : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint16 TiempoLimite READ TiempoLimite WRITE setTiempoLimite)
public:
    explicit Timer(QWidget* parent = nullptr);
    qint16 TiempoLimite() const { return limite_; }
    void setTiempoLimite(qint16 segundos);
    void Reinicia();          // back to the full TiempoLimite, not running
    void Arranca();           // runs (a second Arranca while running goes on counting)
    void Detiene();           // stops; no expiry until the next Arranca
    int Restante() const { return restante_; }
    bool Corriendo() const { return reloj_.isActive(); }

    // Length of one counted second; the game keeps 1000 ms, tests shorten it.
    void setIntervalo(int ms);
    int Intervalo() const { return reloj_.interval(); }

    QSize sizeHint() const override { return {113, 65}; }

    // Pixel size of the seconds in a box of that size: they fill the ring,
    // which fills the box's height, so they grow with the board.
    static int letraCifras(QSizeF caja, int restante);
    int LetraCifras() const { return letraCifras(size(), restante_); }

public slots:
    // One second gone while running. The clock calls it; tests call it to
    // count without waiting.
    void Tictac();

signals:
    void Expira();            // once, when the countdown reaches zero

protected:
    void paintEvent(QPaintEvent*) override;

private:
    double fraccionRestante() const;

    qint16 limite_ = 30;
    int restante_ = 30;
    QTimer reloj_;
    QTimer animacion_;        // only repaints, so the ring drains smoothly
    QElapsedTimer desdeTic_;
};
}
