#pragma once
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

// Lets a borderless window be dragged by some of its parts. Pressing shows the
// four-way cursor on the pressed part; moving with the left button held moves
// the window by the distance from the press point; releasing restores the arrow.
class Arrastre : public QObject {
    Q_OBJECT
public:
    explicit Arrastre(QWidget* ventana);

    // cursorConCualquierBoton: the move cursor shows for any button, not only
    // the left one (the window drags with the left button in either case).
    void agrega(QWidget* parte, bool cursorConCualquierBoton = false);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* ventana_;
    QPointer<QWidget> parteActiva_;
    QPoint desde_;
};
