#include "AccesibleResp.h"

#include "Resp.h"
#include "AccesibleVisible.h"

#include <QEvent>
#include <QMetaObject>

namespace {

QAccessibleInterface* fabrica(const QString& clase, QObject* o) {
    if (clase == QLatin1String("Resp")) {
        if (auto* r = qobject_cast<Resp*>(o)) return new AccesibleResp(r);
    }
    return nullptr;
}

// Enabling, showing and hiding reach the bar as events; they change its
// words. A bar shown again (after the lifeline removed it) comes back new.
class VigiaResp : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        const auto t = e->type();
        if (t == QEvent::Show) RenacerAccesible(static_cast<QWidget*>(o));
        if (t == QEvent::EnabledChange || t == QEvent::Show || t == QEvent::Hide) {
            QAccessibleEvent cambio(o, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&cambio);
        }
        return false;
    }
};

const char* const Palabras[4] = {"", "marcada", "correcta", "incorrecta"};

}  // namespace

AccesibleResp::AccesibleResp(Resp* r) : QAccessibleWidget(r, QAccessible::Button) {}

Resp* AccesibleResp::resp() const { return static_cast<Resp*>(widget()); }

QString AccesibleResp::text(QAccessible::Text t) const {
    const Resp* r = resp();
    if (t == QAccessible::Name) {
        const QString letra = QStringLiteral("Respuesta ") + r->Letter();
        const QString texto = r->Caption().simplified();
        return texto.isEmpty() ? letra : letra + QStringLiteral(": ") + texto;
    }
    if (t == QAccessible::Description) {
        QStringList palabras;
        // A stored state outside 0..3 (only a restore leaves one) reads as writing it would.
        const int s = qBound(0, qAbs(int(r->Situation())), 3);
        if (s > 0) palabras << QString::fromLatin1(Palabras[s]);
        if (!r->isEnabled() || r->isHidden()) palabras << QStringLiteral("no disponible");
        return palabras.join(QStringLiteral(", "));
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State AccesibleResp::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    VisibleEnSuVentana(s, *resp());
    s.checkable = true;
    s.checked = resp()->Situation() == 1;
    return s;
}

QStringList AccesibleResp::actionNames() const {
    QStringList nombres = QAccessibleWidget::actionNames();
    if (resp()->isEnabled() && resp()->isVisible()) nombres.prepend(pressAction());
    return nombres;
}

void AccesibleResp::doAction(const QString& accion) {
    if (accion != pressAction()) return QAccessibleWidget::doAction(accion);
    // From the event loop, as a real click comes: run inside the reader's call,
    // a host that opens a modal window would hold the reader until it closes.
    // As a click, it chooses nothing on a bar that takes no clicks by then.
    Resp* r = resp();
    QMetaObject::invokeMethod(
        r, [r] {
            if (r->isEnabled() && r->isVisible()) emit r->Click();
        },
        Qt::QueuedConnection);
}

void AccesibleResp::Vigilar(Resp* r) {
    static const bool instalada = (QAccessible::installFactory(fabrica), true);
    Q_UNUSED(instalada);
    static VigiaResp vigia;
    r->installEventFilter(&vigia);
}

void AccesibleResp::AvisarNombre(Resp* r) {
    QAccessibleEvent cambio(r, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&cambio);
}

void AccesibleResp::AvisarEstado(Resp* r) {
    QAccessible::State marcada;
    marcada.checked = true;
    QAccessibleStateChangeEvent estado(r, marcada);
    QAccessible::updateAccessibility(&estado);
    QAccessibleEvent palabras(r, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&palabras);
}
