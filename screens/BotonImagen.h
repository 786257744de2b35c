#pragma once
#include <QLabel>

// A picture that acts as a button: a left click (press and release over it)
// raises clicked. Shows the hand cursor and takes the size of its picture.
class BotonImagen : public QLabel {
    Q_OBJECT
public:
    explicit BotonImagen(const QPixmap& imagen, QWidget* parent = nullptr);
    // The board's buttons: a tooltip and a design size kept until a picture comes.
    BotonImagen(const QString& tooltip, QSize tamDiseno, QWidget* parent);

    // Loads a picture file and takes its size. A missing or unreadable file
    // leaves the current picture (and size) as they were.
    bool cargar(const QString& ruta);
    // Shows a picture and takes its size; a null picture changes nothing.
    bool ponerImagen(const QPixmap& imagen);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool presionado_ = false;
};
