#pragma once
#include "Azar.h"
#include "Encuesta.h"

#include <QDialog>

// The poll chart, modeless: four bars in the answers' colours. A borderless
// navy window with a gold frame like the game's others, its title and a
// close box drawn in its top strip (above the tallest bar), so no window
// manager adds minimise or maximise boxes to it. Shown over a
// board it stands where it covers none of the name, the question, the
// answers or the countdown: at the screen's top-left corner when that is
// clear of them, else over the centre picture, smaller if it must be; over
// a board past twice its design size it grows with the board.
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

    // Size and place for the board it comes over (its parent); done again
    // while it is open whenever the board is resized or moved.
    void Situar();

public slots:
    // While the room votes: the count over the chart, whose bars wait for
    // the next MuestraPesos. An empty text takes the line away.
    void MuestraVotos(const QString& linea);

signals:
    // A key that produced a character, upper-cased, Shift = 0. The board
    // connects it to Form_KeyDown and takes the focus back.
    void Tecla(int keyCode, int shift);

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void ponCerrar();

    Encuesta::Grafico grafico_;
    QString votos_;
    bool esperaVotos_ = false;
    class BotonImagen* cerrar_ = nullptr;
};
