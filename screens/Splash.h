#pragma once
#include <QDialog>
#include <QTimer>

class QLabel;

// The closing screen: the logo with two status lines, shown modally after
// the question base has been written, closing itself on its third tick.
class Splash : public QDialog {
    Q_OBJECT
public:
    static constexpr int Intervalo = 1500;  // ms between status lines

    explicit Splash(QWidget* parent = nullptr);

    // One tick of the timer; the timer calls it, tests may too.
    void Timer1_Timer();

    QTimer& Timer1() { return timer_; }
    QLabel* Image1() const { return image1_; }
    QLabel* Label3() const { return label3_; }
    int Contador() const { return contador_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QTimer timer_;
    QLabel* image1_ = nullptr;
    QLabel* label3_ = nullptr;
    int contador_ = 0;
};
