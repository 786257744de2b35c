#include "PuntajePuntos.h"

#include "AccesibleTablero.h"
#include "Premios.h"

#include "Colores.h"

#include <QPainter>

namespace Puntaje {

namespace {
const QColor kAzul = Colores::Azul;
const QColor kAzulOscuro(4, 8, 60);
const QColor kOro = Colores::Oro;
const QColor kOroPalido(214, 170, 60);
const QColor kBlanco(255, 250, 235);
}

Puntos::Puntos(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Puntos1"));
}

void Puntos::setNivelActual(qint16 escalon)
{
    if (escalon == nivel_)
        return;
    nivel_ = escalon;
    update();
    AvisarNombreAccesible(this);
}

QString Puntos::PuntosGanados() const
{
    return nivel_ <= 0 ? QStringLiteral("0") : TextoPremio(nivel_ - 1);
}

namespace {
// Rows follow the height, so the ladder grows with the board.
double altoFila(double altoCaja) { return (altoCaja - 2 * qMax(1.0, altoCaja * 0.012)) / Premios::PasoMaximo; }
}

Puntos::Letras Puntos::letras(QSizeF caja)
{
    // A row holds text up to about three quarters of its height; a box
    // narrower than the design board's 105 px shrinks it further, so that
    // "10 000" and the step number stay apart.
    const double alto = altoFila(caja.height() - 1);
    const double ancho = caja.width() - 1;
    return {qMax(4, int(qMin(alto * 0.70, ancho * 0.12))), qMax(5, int(qMin(alto * 0.80, ancho * 0.14)))};
}

void Puntos::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF caja = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    QLinearGradient fondo(caja.topLeft(), caja.bottomRight());
    fondo.setColorAt(0, kAzul);
    fondo.setColorAt(1, kAzulOscuro);
    p.setPen(QPen(kOro, 1));
    p.setBrush(fondo);
    const double esquina = qMin(caja.width(), caja.height()) * 0.06;
    p.drawRoundedRect(caja, esquina, esquina);

    const int pasos = Premios::PasoMaximo;
    const double margen = qMax(1.0, caja.height() * 0.012);
    const double alto = altoFila(caja.height());
    const double izq = caja.left() + qMax(2.0, caja.width() * 0.04);
    const double der = caja.right() - qMax(2.0, caja.width() * 0.04);

    QFont f(QStringLiteral("Arial"));
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setBold(true);
    const Letras l = letras(size());
    f.setPixelSize(l.grande);
    QFont chica = f;
    chica.setPixelSize(l.chica);

    for (int escalon = pasos; escalon >= 1; --escalon) {
        const double top = caja.top() + margen + (pasos - escalon) * alto;
        const QRectF fila(izq, top + alto * 0.06, der - izq, alto * 0.88);
        const bool actual = escalon == nivel_;
        const bool garantizado = Premios::esGarantizado(escalon);

        QColor tinta = garantizado ? kBlanco : kOroPalido;
        if (actual) {
            QLinearGradient luz(fila.topLeft(), fila.bottomLeft());
            luz.setColorAt(0, QColor(255, 230, 130));
            luz.setColorAt(0.5, kOro);
            luz.setColorAt(1, QColor(200, 140, 20));
            p.setPen(Qt::NoPen);
            p.setBrush(luz);
            p.drawRoundedRect(fila, fila.height() * 0.35, fila.height() * 0.35);
            tinta = kAzul;
        } else if (garantizado) {
            p.setPen(QPen(QColor(255, 204, 48, 110), 1));
            p.setBrush(QColor(255, 204, 48, 28));
            p.drawRoundedRect(fila, fila.height() * 0.35, fila.height() * 0.35);
        }

        const QRectF texto = fila.adjusted(fila.height() * 0.25, 0, -fila.height() * 0.3, 0);
        p.setPen(tinta);
        p.setFont(chica);
        p.drawText(texto, Qt::AlignLeft | Qt::AlignVCenter, QString::number(escalon));
        // Steps already climbed carry a small diamond beside their number.
        if (escalon < nivel_ && !actual) {
            const double d = fila.height() * 0.16;
            const QPointF c(texto.left() + fila.height() * 1.05, fila.center().y());
            p.setPen(Qt::NoPen);
            p.setBrush(kOro);
            p.drawPolygon(QPolygonF({c + QPointF(0, -d), c + QPointF(d, 0), c + QPointF(0, d), c + QPointF(-d, 0)}));
        }
        p.setPen(tinta);
        p.setFont(garantizado || actual ? f : chica);
        p.drawText(texto, Qt::AlignRight | Qt::AlignVCenter, TextoPremio(escalon));
    }
}

}
