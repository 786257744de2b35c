#pragma once
#include <QColor>

class QApplication;
class QIcon;
class QLabel;

// The editor in the game's navy and gold: navy around, gold labels, and
// the texts a teacher writes and reads on a light page, where they read best.
namespace EstiloEditor {

void aplicar(QApplication& app);
QIcon icono();

// The colour of a warning and of what stops saving, on navy.
QColor colorAviso();
QColor colorError();
// A hint or a note beside a field: smaller, in a lighter gold.
void comoNota(QLabel* l);

}  // namespace EstiloEditor
