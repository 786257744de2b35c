#include "Posiciones.h"

#include "Arrastre.h"
#include "Arte.h"
#include "BotonImagen.h"
#include "Clasificacion.h"
#include "DisenoTablero.h"
#include "EtiquetaNombre.h"
#include "Ventanas.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {
constexpr std::array<int, Modulo::MaxJugadores> kTopes{1260, 1620, 1980, 2340, 2700, 3120};
constexpr int kSonidoPosiciones = 6;
}

Posiciones::Posiciones(const Modulo& m, std::function<void(qint32)> toca, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    const double e = Diseno::crecimientoDe(parent);
    // Twips of the design, 15 to a pixel, times the growth of the board.
    auto px = [e](int twips) { return e == 1.0 ? (twips + 7) / 15 : qRound(twips * e / 15); };
    setObjectName(QStringLiteral("Posiciones"));
    setFixedSize(px(6615), px(4065));
    Ventanas::FondoAzul(this);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setPixmap(Arte::BannerPosiciones(e));
    banner->setGeometry(px(420), px(120), qRound(378 * e), qRound(63 * e));

    auto* arrastre = new Arrastre(this);
    arrastre->agrega(this);

    const QFont fuente = Ventanas::Fuente(QStringLiteral("Tahoma"), 14.25 * e);
    const QString estilo = QStringLiteral("color: rgb(255,204,48); background: transparent;");
    for (int i = 0; i < Modulo::MaxJugadores; ++i) {
        auto* nombre = new EtiquetaNombre(QString(), this);  // a long name ends in "…"
        nombre->setObjectName(QStringLiteral("Tabla_%1").arg(i));
        nombre->setGeometry(px(420), px(kTopes[size_t(i)]), px(3975), px(435));
        nombre->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        auto* pts = new QLabel(this);
        pts->setObjectName(QStringLiteral("Puntos_%1").arg(i));
        pts->setGeometry(px(4800), px(kTopes[size_t(i)]), px(1275), px(435));
        pts->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (QLabel* l : {static_cast<QLabel*>(nombre), pts}) {
            l->setFont(fuente);
            l->setStyleSheet(estilo);
            l->hide();
            arrastre->agrega(l);
        }
        tabla_[size_t(i)] = nombre;
        puntos_[size_t(i)] = pts;
    }

    auto* cerrar = new BotonImagen(Arte::BotonCerrar(e), this);
    cerrar->setObjectName(QStringLiteral("cmdClose"));
    cerrar->setAccessibleName(QStringLiteral("Cerrar"));
    cerrar->move(px(5160), px(3600));
    connect(cerrar, &BotonImagen::clicked, this, &QDialog::accept);

    if (toca)
        toca(kSonidoPosiciones);
    const QList<Puesto> puestos = Clasificacion(m);
    for (int i = 0; i < puestos.size() && i < Modulo::MaxJugadores; ++i) {
        tabla_[size_t(i)]->setText(puestos[i].nombre);
        puntos_[size_t(i)]->setText(puestos[i].puntos);
        // A long name runs on to the points, which stand at the row's right end.
        QLabel* pts = puntos_[size_t(i)];
        tabla_[size_t(i)]->setBordeLibre(pts->x() + pts->width() - pts->fontMetrics().horizontalAdvance(pts->text()));
        tabla_[size_t(i)]->Colocado();
        tabla_[size_t(i)]->show();
        puntos_[size_t(i)]->show();
    }
}

void Posiciones::showEvent(QShowEvent* e)
{
    Ventanas::CentraSobrePadre(this);
    QDialog::showEvent(e);
}

void Posiciones::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        accept();
    e->accept();
}

void Posiciones::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    QPainter p(this);
    Ventanas::MarcoDorado(p, rect());
}
