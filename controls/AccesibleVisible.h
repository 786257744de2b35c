#pragma once
#include <QAccessible>
#include <QWidget>

// How a screen reader on Linux learns that a widget appeared. Qt tells it
// only "showing", never "visible", and the reader keeps the states of every
// object it has met: one met while hidden stays "not visible" for good, and
// Orca leaves such objects out of its review. Two remedies, shared by the
// control libraries and the board (header-only, Qt alone).

// A widget is shown as far as its window goes, whether or not the window
// itself is up yet: what is told while the board is being built (new
// captions, states) makes the reader meet every element before the board
// appears. A widget the game hides itself is invisible as before.
inline void VisibleEnSuVentana(QAccessible::State& s, const QWidget& w)
{
    s.invisible = !w.isVisibleTo(w.window());
}

// A widget the game shows again comes back as a new object: the reader drops
// the one it knew, hidden, and reads the new one afresh. Called on its Show.
inline void RenacerAccesible(QWidget* w)
{
    if (!QAccessible::isActive() || w->isWindow())
        return;
    QAccessibleInterface* viejo = QAccessible::queryAccessibleInterface(w);
    if (!viejo)
        return;
    QAccessibleEvent fuera(viejo, QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&fuera);
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(viejo));
    QAccessibleEvent dentro(w, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&dentro);
}
