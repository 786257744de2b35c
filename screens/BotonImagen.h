#pragma once
#include <QLabel>

// A picture that acts as a button: a left click (press and release over it)
// raises clicked. Shows the hand cursor.
class BotonImagen : public QLabel {
    Q_OBJECT
public:
    explicit BotonImagen(const QPixmap& imagen, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool presionado_ = false;
};
