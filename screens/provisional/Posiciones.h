#pragma once
#include <QDialog>
#include <functional>

struct Modulo;

// Interim standings window until the real one lands.
class Posiciones : public QDialog {
    Q_OBJECT
public:
    Posiciones(const Modulo& m, std::function<void(qint32)> toca, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
