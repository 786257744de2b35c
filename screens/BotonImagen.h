#pragma once
#include <QLabel>

// A picture that acts as a button: hand pointer, tooltip, click on release
// inside it. Takes the size of its picture.
class BotonImagen : public QLabel {
    Q_OBJECT
public:
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
    bool pulsado_ = false;
};
