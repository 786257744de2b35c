#pragma once
#include <QDialog>

class QLabel;

// Interim message window until the real one lands.
class Dialog1 : public QDialog {
    Q_OBJECT
public:
    explicit Dialog1(QWidget* parent = nullptr);
    void Muestra(const QString& msj, qint32 carita);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QLabel* texto_;
};
