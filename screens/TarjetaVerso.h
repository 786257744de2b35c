#pragma once
#include "Citas.h"

#include <QFont>
#include <QWidget>

// The verse card: after an answer, the passage that proves it, its reference
// ("Génesis 6:14") above and the proving phrase in gold. A passage longer
// than the card holds is shortened around the phrase (Citas::acortar), and
// the letters shrink a little only where the phrase alone would not fit.
// It needs no input and takes none. The board says where it may lie
// (ElementosTablero::ColocarTarjeta) and when it shows.
class TarjetaVerso : public QWidget {
    Q_OBJECT
public:
    explicit TarjetaVerso(QWidget* tablero);

    void setCitas(Citas c) { citas_ = std::move(c); }
    // Shows the passage of the question; without one the card stays away
    // and the answer is false.
    bool Mostrar(qint32 id);
    void Quitar();
    bool Activa() const { return activa_; }

    // The letters of the board's set, grown with the board past twice the design.
    void setLetra(bool grande, double crece);
    // The room it has on the board; none (empty) keeps it away for now.
    // "cubrir" (the question's text) is either left clear or covered whole:
    // a question peeking out beside the card reads as a fault.
    void Colocar(const QRect& lugar, const QRect& cubrir = {});

    QString Referencia() const { return cita_.referencia; }
    const Citas::Recorte& Recorte() const { return recorte_; }  // as drawn
    QFont LetraTexto() const { return texto_; }
    // The least size worth showing: the reference and two lines of text.
    QSize Minimo() const;

signals:
    void quiereLugar();  // a new passage: the board places the card again

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void Ajustar();
    int Margen() const;
    QRect CajaTexto() const;

    Citas citas_;
    Citas::Cita cita_;
    Citas::Recorte recorte_;
    QFont referencia_;
    QFont texto_;
    QFont textoPleno_;  // before any shrinking
    double crece_ = 1.0;
    bool activa_ = false;
    bool colocando_ = false;  // Colocar fits the passage itself
};
