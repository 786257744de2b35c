#pragma once
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;

// The title screen: seeds the random source, runs the start routine, then
// shows its six pictures in turn, one a second, twice, and hands over to the
// board on the twelfth tick or at the first click on the background or a
// picture. It is closed for good then and never shown again.
class Portada : public QWidget {
    Q_OBJECT
public:
    static constexpr int Intervalo = 1000;   // ms between pictures
    static constexpr int TicsHastaTablero = 12;

    explicit Portada(QWidget* parent = nullptr);

    // The load step: help file, pictures, timer, seed, then the start routine
    // iniciar, which loads the board; its result (false: the program is to
    // end) is returned. The title screen never hands over before iniciar has
    // returned true: on false it closes without showing the board.
    bool Cargar(const std::function<bool()>& iniciar);

    // Shows the board, not modal. Set by whoever owns the board.
    std::function<void()> mostrarTablero;

    // One tick of the picture timer; the timer calls it, tests may too.
    void Timer1_Timer();
    // The board's load step: "Espera un momento..." hidden, pointer back.
    void OcultarEspera();
    // The start routine's title picture: slot 1 gets it, slot 0 is cleared.
    void PonerTitulo(const QPixmap& titulo);

    QTimer& Timer1() { return timer_; }
    QLabel* Image1(int k) const;  // 1..6
    QLabel* Image2(int k) const;  // 0..1
    QLabel* Label3() const { return label3_; }
    int Contador() const { return contador_; }
    int Indice() const { return indice_; }
    bool Terminada() const { return terminada_; }

signals:
    void terminada();  // the board is shown and the title screen closed

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void CargarImagenes();
    void Terminar();

    QTimer timer_;
    std::array<QLabel*, 7> image1_{};  // slot 0 unused: the pictures count from 1
    std::array<QLabel*, 2> image2_{};
    QLabel* label3_ = nullptr;
    int contador_ = 0;
    int indice_ = 0;
    bool terminada_ = false;
    bool iniciando_ = false;  // the start routine is running: no board yet
    bool aplazada_ = false;   // the hand-over came due while it ran
};
