#include "AvisoAlAparecer.h"

#include "Dialog1.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {
class Aviso : public QObject {
public:
    Aviso(QWidget& ventana, const QString& msj) : QObject(&ventana), ventana_(ventana), msj_(msj)
    {
        ventana.installEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == &ventana_ && e->type() == QEvent::Show) {
            ventana_.removeEventFilter(this);
            // After the show has finished: a modal window opened inside the
            // show itself would hold up whoever is showing the board.
            QPointer<QWidget> v(&ventana_);
            const QString msj = msj_;
            QTimer::singleShot(0, &ventana_, [v, msj] {
                // Gone again before this ran (closed at once: the closing
                // step hides it first): no message over the closing screen.
                if (!v || !v->isVisible())
                    return;
                Dialog1 d(v);
                d.Muestra(msj, 0);
            });
            deleteLater();
        }
        return false;
    }

private:
    QWidget& ventana_;
    QString msj_;
};
}

void AvisarAlAparecer(QWidget& ventana, const QString& msj)
{
    if (!msj.isEmpty())
        new Aviso(ventana, msj);
}
