#pragma once
// Turns the platform's accessibility on, as a screen reader does when it
// starts, and records what is sent to it (QTestAccessibility). Qt offers the
// switch only through its platform API, which is private: Qt's own tests
// use it the same way. Tests that include this link Qt6::GuiPrivate.
#include <QAccessible>
#include <QTestAccessibility>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// False where the platform has no accessibility at all.
inline bool ActivarLectorDePrueba()
{
    QPlatformIntegration* plataforma = QGuiApplicationPrivate::platformIntegration();
    QPlatformAccessibility* a = plataforma ? plataforma->accessibility() : nullptr;
    if (!a)
        return false;
    QTestAccessibility::initialize();
    a->setActive(true);
    return true;
}

// How many recorded events of this type came from this object.
inline int AvisosDe(const QObject* o, QAccessible::Event tipo)
{
    int n = 0;
    for (const QAccessibleEvent* e : QTestAccessibility::events())
        n += e->object() == o && e->type() == tipo;
    return n;
}

// The same for an interface without an object of its own.
inline int AvisosDe(QAccessibleInterface* i, QAccessible::Event tipo)
{
    int n = 0;
    for (QAccessibleEvent* e : QTestAccessibility::events())
        n += !e->object() && e->accessibleInterface() == i && e->type() == tipo;
    return n;
}
