#pragma once
#include <QWidget>

// A control's "Enabled" is its own flag, as its host set it: a disabled parent
// does not count. Returns true when that flag changed since it was last seen,
// so the control can mark "Enabled" changed for persistence.
inline bool HabilitadoPropioCambio(const QWidget& control, bool& visto)
{
    const bool propio = !control.testAttribute(Qt::WA_ForceDisabled);
    if (propio == visto)
        return false;
    visto = propio;
    return true;
}
