#include "Arrastre.h"

#include <QMouseEvent>

namespace {
const char* const kCualquierBoton = "arrastreCualquierBoton";
}

Arrastre::Arrastre(QWidget* ventana) : QObject(ventana), ventana_(ventana) {}

void Arrastre::agrega(QWidget* parte, bool cursorConCualquierBoton)
{
    parte->setProperty(kCualquierBoton, cursorConCualquierBoton);
    parte->installEventFilter(this);
}

bool Arrastre::eventFilter(QObject* objeto, QEvent* evento)
{
    auto* parte = qobject_cast<QWidget*>(objeto);
    if (!parte)
        return false;
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(evento);
        const bool izquierdo = me->button() == Qt::LeftButton;
        if (izquierdo || parte->property(kCualquierBoton).toBool())
            parte->setCursor(Qt::SizeAllCursor);
        if (izquierdo) {
            parteActiva_ = parte;
            desde_ = me->position().toPoint();
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(evento);
        if (parteActiva_ == parte && (me->buttons() & Qt::LeftButton)) {
            // The part moves with the window, so the press point stays valid.
            ventana_->move(ventana_->pos() + (me->position().toPoint() - desde_));
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(evento);
        parte->setCursor(Qt::ArrowCursor);
        if (me->button() == Qt::LeftButton)
            parteActiva_ = nullptr;
        return true;
    }
    default:
        return false;
    }
}
