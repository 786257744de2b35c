#include "AccesibleComod.h"

#include "Comod.h"
#include "AccesibleVisible.h"

#include <QEvent>
#include <QMetaObject>
#include <QPointer>
#include <QWindow>

namespace {

const char* const Nombres[3] = {"Encuesta", "Saltar pregunta", "Quitar dos respuestas"};
const char Letras[3] = {'E', 'N', 'Q'};

// A lifeline is used when its available picture is not on show, which is
// also what KeyPress goes by.
bool usado(const Comod& c, int k) { return !c.imagenMostrada(c.baseImagenes() + k); }

// One lifeline: no widget of its own, since two sets of two pictures stand
// for it; it lives as long as the row's interface.
class Comodin : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Comodin(Comod* c, int k) : comod_(c), k_(k) {}

    bool isValid() const override { return !comod_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return comod_ ? comod_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(comod_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (!comod_) return {};
        switch (t) {
        case QAccessible::Name: return QString::fromUtf8(Nombres[k_]);
        case QAccessible::Description:
            return usado(*comod_, k_) ? QStringLiteral("usado") : QStringLiteral("disponible");
        case QAccessible::Help: return comod_->imagen(k_)->toolTip();
        case QAccessible::Accelerator: return QString(QLatin1Char(Letras[k_]));
        default: return {};
        }
    }

    QRect rect() const override {
        if (!comod_ || !comod_->isVisible()) return {};  // no place on screen yet
        const QWidget* img = comod_->imagen(comod_->baseImagenes() + k_);
        return {img->mapToGlobal(QPoint(0, 0)), img->size()};
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!comod_) {
            s.invalid = true;
            return s;
        }
        VisibleEnSuVentana(s, *comod_);
        s.disabled = !comod_->isEnabled() || usado(*comod_, k_);
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override {
        return state().disabled ? QStringList() : QStringList(pressAction());
    }
    void doAction(const QString& accion) override {
        if (!comod_ || accion != pressAction()) return;
        // From the event loop, as a click comes, not inside the reader's call. The
        // letter key checks what a click would: an enabled row, an available lifeline.
        Comod* c = comod_.data();
        const qint16 letra = qint16(Letras[k_]);
        QMetaObject::invokeMethod(c, [c, letra] { c->KeyPress(letra); }, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString& accion) const override {
        return accion == pressAction() ? QStringList(QString(QLatin1Char(Letras[k_]))) : QStringList();
    }

private:
    QPointer<Comod> comod_;
    int k_;
};

QAccessibleInterface* fabrica(const QString& clase, QObject* o) {
    if (clase == QLatin1String("Comod")) {
        if (auto* c = qobject_cast<Comod*>(o)) return new AccesibleComod(c);
    }
    return nullptr;
}

// Enabling, showing and hiding reach the row as events; its lifelines follow it.
class VigiaComod : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        const auto t = e->type();
        if ((t == QEvent::EnabledChange || t == QEvent::Show || t == QEvent::Hide) && QAccessible::isActive()) {
            QAccessibleInterface* fila = QAccessible::queryAccessibleInterface(o);
            QAccessible::State cambia;
            cambia.disabled = t == QEvent::EnabledChange;
            cambia.invisible = t != QEvent::EnabledChange;
            for (int k = 0; fila && k < fila->childCount(); ++k) {
                QAccessibleStateChangeEvent estado(fila->child(k), cambia);
                QAccessible::updateAccessibility(&estado);
            }
        }
        return false;
    }
};

}  // namespace

AccesibleComod::AccesibleComod(Comod* c) : QAccessibleWidget(c, QAccessible::Grouping) {
    for (int k = 0; k < 3; ++k) {
        hijos_[k] = new Comodin(c, k);
        ids_[k] = QAccessible::registerAccessibleInterface(hijos_[k]);
        usadoContado_[k] = usado(*c, k);
    }
}

AccesibleComod::~AccesibleComod() {
    // By id: on the way out the cache may have deleted them already.
    for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
}

Comod* AccesibleComod::comod() const { return static_cast<Comod*>(widget()); }

QString AccesibleComod::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return QStringLiteral("Comodines");
    return QAccessibleWidget::text(t);
}

QAccessible::State AccesibleComod::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    VisibleEnSuVentana(s, *widget());
    return s;
}

// The twelve pictures stay out of the tree: the three lifelines stand for them.
int AccesibleComod::childCount() const { return 3; }

QAccessibleInterface* AccesibleComod::child(int index) const {
    return index >= 0 && index < 3 ? hijos_[index] : nullptr;
}

int AccesibleComod::indexOfChild(const QAccessibleInterface* hijo) const {
    for (int k = 0; k < 3; ++k)
        if (hijos_[k] == hijo) return k;
    return -1;
}

void AccesibleComod::Vigilar(Comod* c) {
    static const bool instalada = (QAccessible::installFactory(fabrica), true);
    Q_UNUSED(instalada);
    static VigiaComod vigia;
    c->installEventFilter(&vigia);
}

void AccesibleComod::Avisar(Comod* c) {
    // Without a reader listening nothing is built just to tell it.
    if (!QAccessible::isActive()) return;
    auto* fila = dynamic_cast<AccesibleComod*>(QAccessible::queryAccessibleInterface(c));
    if (!fila) return;
    for (int k = 0; k < 3; ++k) {
        const bool ahora = usado(*c, k);
        if (ahora == fila->usadoContado_[k]) continue;
        fila->usadoContado_[k] = ahora;
        QAccessible::State cambia;
        cambia.disabled = true;
        QAccessibleStateChangeEvent estado(fila->hijos_[k], cambia);
        QAccessible::updateAccessibility(&estado);
        QAccessibleEvent palabras(fila->hijos_[k], QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&palabras);
    }
}
