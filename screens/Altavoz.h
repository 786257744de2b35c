#pragma once
#include <QPixmap>

// The options window's loudspeaker, painted by code: a gold speaker with
// three sound waves on a transparent ground.
namespace Altavoz {
QPixmap Dibujo(int lado);
}
