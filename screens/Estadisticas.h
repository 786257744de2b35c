#pragma once
#include "Azar.h"
#include "Encuesta.h"

#include <QDialog>

// The poll chart, modeless: four bars in the answers' colours.
class Estadisticas : public QDialog {
    Q_OBJECT
public:
    explicit Estadisticas(QWidget* parent = nullptr);
    void Llenar(qint16 nivel, qint16 correcta, Azar& azar = Azar::global()); // fills the chart afresh
    // The chart of given weights; all zero leaves the chart as it stands.
    void MuestraPesos(const Encuesta::Pesos& pesos);
    const Encuesta::Grafico& Grafico() const { return grafico_; }
    const QString& Votos() const { return votos_; }
    bool EsperaVotos() const { return esperaVotos_; }

public slots:
    // While the room votes: the count over the chart, whose bars wait for
    // the next MuestraPesos. An empty text takes the line away.
    void MuestraVotos(const QString& linea);

signals:
    // A key that produced a character, upper-cased, Shift = 0. The board
    // connects it to Form_KeyDown and takes the focus back.
    void Tecla(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    Encuesta::Grafico grafico_;
    QString votos_;
    bool esperaVotos_ = false;
};
