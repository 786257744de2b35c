#pragma once
#include "Azar.h"

#include <QDialog>

class QLabel;

// Interim poll window until the real one lands.
class Estadisticas : public QDialog {
    Q_OBJECT
public:
    explicit Estadisticas(QWidget* parent = nullptr);
    void Llenar(qint16 nivel, qint16 correcta, Azar& azar = Azar::global());
signals:
    void Tecla(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QLabel* texto_;
};
