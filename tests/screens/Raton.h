#pragma once
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Mouse events with an explicit button state, sent straight to a widget, so a
// drag can be played step by step without a window system.
inline void raton(QWidget* w, QEvent::Type tipo, QPoint en, Qt::MouseButton boton, Qt::MouseButtons botones)
{
    QMouseEvent e(tipo, QPointF(en), w->mapToGlobal(QPointF(en)), boton, botones, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Press at a, move to b with the same button held, release at b.
inline void arrastra(QWidget* w, QPoint a, QPoint b, Qt::MouseButton boton = Qt::LeftButton)
{
    raton(w, QEvent::MouseButtonPress, a, boton, boton);
    raton(w, QEvent::MouseMove, b, Qt::NoButton, boton);
    raton(w, QEvent::MouseButtonRelease, b, boton, Qt::NoButton);
}
