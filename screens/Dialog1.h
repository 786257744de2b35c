#pragma once
#include <QDialog>
#include <array>

class QLabel;

// The game's own modal message box: a few gold lines beside a face, on navy.
// Over a board past twice its design size it grows with the board.
class Dialog1 : public QDialog {
    Q_OBJECT
public:
    explicit Dialog1(QWidget* parent = nullptr);
    void Muestra(const QString& msj, qint32 carita);  // shows modally, returns when closed

    // What Muestra sets, without showing (the caller and tests read it back).
    void Prepara(const QString& msj, qint32 carita);
    qint32 CaritaVisible() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    int px(int twips) const;  // design twips at the window's size

    double escala_ = 1.0;     // the growth of the board it comes over
    std::array<QLabel*, 4> caras_{};
    QLabel* mensaje_ = nullptr;
};
