#pragma once
#include <QAccessible>
#include <QWidget>

// Whether a reader should take a widget as shown: shown within its window,
// whether or not the window itself is up yet. Qt calls a widget invisible
// while its window is still hidden, and on Linux it later tells the reader
// only that the widget is "showing", never that it became "visible", so a
// reader that met the widget before the window came up (any change told
// while the window is being built does that) would keep it hidden from its
// review. A widget the game hides itself is invisible as before.
inline void VisibleEnSuVentana(QAccessible::State& s, const QWidget& w)
{
    s.invisible = !w.isVisibleTo(w.window());
}
