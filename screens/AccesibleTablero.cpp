#include "AccesibleTablero.h"

#include "BotonImagen.h"
#include "CronovaTimer.h"
#include "ElementosTablero.h"
#include "EtiquetaNombre.h"
#include "Premios.h"
#include "PuntajePuntos.h"
#include "TarjetaVerso.h"
#include "AccesibleVisible.h"

#include <QAccessibleWidget>
#include <QMetaObject>

namespace {

// What a label holds ("Jugador"); its text follows after a colon.
constexpr char kQueEs[] = "orvaliaQueEs";

QString puntos(int n) { return n == 1 ? QStringLiteral("1 punto") : QStringLiteral("%1 puntos").arg(n); }

// Shown as far as its window goes (see VisibleEnSuVentana).
class WidgetAccesible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        VisibleEnSuVentana(s, *widget());
        return s;
    }
};

// A picture that reacts to a click: a button, pressed as a click presses it.
class BotonAccesible : public WidgetAccesible {
public:
    explicit BotonAccesible(BotonImagen* b) : WidgetAccesible(b, QAccessible::Button) {}

    QStringList actionNames() const override {
        QStringList n = QAccessibleWidget::actionNames();
        if (pulsable()) n.prepend(pressAction());
        return n;
    }
    void doAction(const QString& accion) override {
        if (accion != pressAction()) return QAccessibleWidget::doAction(accion);
        // From the event loop, as a real click comes: "Responder" and "Retirarse"
        // may open a modal message, which would hold the reader's call until it closed.
        auto* b = static_cast<BotonImagen*>(widget());
        QMetaObject::invokeMethod(
            b, [b] {
                if (pulsable(b)) emit b->clicked();
            },
            Qt::QueuedConnection);
    }

private:
    // A click reaches only a button on show in an enabled strip.
    static bool pulsable(const QWidget* w) { return w->isEnabled() && w->isVisible(); }
    bool pulsable() const { return pulsable(widget()); }
};

// A label named by what it holds and its text: "Jugador: Ana". The whole
// text, also where the label draws it shortened.
class EtiquetaAccesible : public WidgetAccesible {
public:
    explicit EtiquetaAccesible(QLabel* l) : WidgetAccesible(l, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty()) return QAccessibleWidget::text(t);
        const QString que = widget()->property(kQueEs).toString();
        const QString texto = static_cast<QLabel*>(widget())->text().simplified();
        if (que.isEmpty()) return texto;
        return texto.isEmpty() ? que : que + QStringLiteral(": ") + texto;
    }
};

// The countdown: "Tiempo: 25 segundos".
class CuentaAccesible : public WidgetAccesible {
public:
    explicit CuentaAccesible(Cronova::Timer* t) : WidgetAccesible(t, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const int s = static_cast<Cronova::Timer*>(widget())->Restante();
        return s == 1 ? QStringLiteral("Tiempo: 1 segundo") : QStringLiteral("Tiempo: %1 segundos").arg(s);
    }
};

// The ladder: the step being played and its points, and what is won so far.
// Points as plain digits ("1250"): a speech synthesiser reads "1 250" as two numbers.
class EscaleraAccesible : public WidgetAccesible {
public:
    explicit EscaleraAccesible(Puntaje::Puntos* p) : WidgetAccesible(p, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const int n = static_cast<Puntaje::Puntos*>(widget())->NivelActual();
        if (t == QAccessible::Name)
            return QStringLiteral("Premios: escalón %1 de %2, ").arg(n).arg(Premios::PasoMaximo) +
                   puntos(Premios::Puntos(n));
        if (t == QAccessible::Description)
            return QStringLiteral("Ganado hasta ahora: ") + puntos(n > 0 ? Premios::Puntos(n - 1) : 0);
        return QAccessibleWidget::text(t);
    }
};

// The elements the board shows and hides come back new each time they show
// (see RenacerAccesible).
class VigiaTablero : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show)
            RenacerAccesible(static_cast<QWidget*>(o));
        return false;
    }
};

QAccessibleInterface* fabrica(const QString& clase, QObject* o) {
    if (clase == QLatin1String("BotonImagen")) {
        if (auto* b = qobject_cast<BotonImagen*>(o)) return new BotonAccesible(b);
    } else if (clase == QLatin1String("EtiquetaNombre")) {
        if (auto* l = qobject_cast<EtiquetaNombre*>(o)) return new EtiquetaAccesible(l);
    } else if (clase == QLatin1String("Cronova::Timer")) {
        if (auto* t = qobject_cast<Cronova::Timer*>(o)) return new CuentaAccesible(t);
    } else if (clase == QLatin1String("TarjetaVerso")) {
        // A notice: a reader says it as it comes up, by its name and description.
        if (auto* v = qobject_cast<TarjetaVerso*>(o)) return new WidgetAccesible(v, QAccessible::Notification);
    } else if (clase == QLatin1String("Puntaje::Puntos")) {
        if (auto* p = qobject_cast<Puntaje::Puntos*>(o)) return new EscaleraAccesible(p);
    }
    return nullptr;
}

}  // namespace

void InstalarAccesibleTablero() {
    static const bool instalada = (QAccessible::installFactory(fabrica), true);
    Q_UNUSED(instalada);
}

void HacerAccesible(const ElementosTablero& el) {
    InstalarAccesibleTablero();
    el.cmdIniciar->setAccessibleName(QStringLiteral("Iniciar"));
    el.cmdOpciones->setAccessibleName(QStringLiteral("Opciones"));
    el.cmdResponder->setAccessibleName(QStringLiteral("Responder"));
    el.cmdSigPreg->setAccessibleName(QStringLiteral("Siguiente pregunta"));
    el.cmdRetira->setAccessibleName(QStringLiteral("Retirarse"));
    el.lblJugador->setProperty(kQueEs, QStringLiteral("Jugador"));
    el.txtPregunta->setProperty(kQueEs, QStringLiteral("Pregunta"));
    el.lblNextPlayer->setProperty(kQueEs, QStringLiteral("Siguiente jugador"));
    static VigiaTablero vigia;
    for (QWidget* w : std::initializer_list<QWidget*>{el.cmdIniciar, el.cmdOpciones, el.cmdResponder, el.cmdSigPreg,
                                                      el.cmdRetira, el.Timer1, el.lblNextPlayer,
                                                      el.tarjeta})
        w->installEventFilter(&vigia);
}

void AvisarNombreAccesible(QObject* o) {
    QAccessibleEvent cambio(o, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&cambio);
}
