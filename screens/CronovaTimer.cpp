#include "CronovaTimer.h"

#include "AccesibleTablero.h"
#include "Colores.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace Cronova {

namespace {
const QColor kAzulOscuro(8, 16, 72);
const QColor kAzul = Colores::Azul;
const QColor kOro = Colores::Oro;
const QColor kAmbar(255, 160, 0);
const QColor kRojo(230, 30, 20);
constexpr int kUltimos = 5;   // the last seconds warn in amber to red

QColor mezcla(const QColor& a, const QColor& b, double t)
{
    t = qBound(0.0, t, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}
}

Timer::Timer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Timer1"));
    reloj_.setInterval(1000);
    reloj_.setTimerType(Qt::PreciseTimer);
    connect(&reloj_, &QTimer::timeout, this, &Timer::Tictac);
    animacion_.setInterval(50);
    connect(&animacion_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void Timer::setTiempoLimite(qint16 segundos)
{
    segundos = qMax<qint16>(segundos, 0);
    if (segundos == limite_)
        return;
    limite_ = segundos;
    // A new length shows at once while idle; a running count keeps its course.
    if (!Corriendo()) {
        restante_ = limite_;
        update();
        AvisarNombreAccesible(this);
    }
}

void Timer::Reinicia()
{
    reloj_.stop();
    animacion_.stop();
    restante_ = limite_;
    update();
    AvisarNombreAccesible(this);
}

void Timer::Arranca()
{
    if (Corriendo() || restante_ <= 0)
        return;
    reloj_.start();
    desdeTic_.start();
    animacion_.start();   // repaints of a hidden widget cost nothing
    update();
}

void Timer::Detiene()
{
    reloj_.stop();
    animacion_.stop();
    update();
}

void Timer::setIntervalo(int ms)
{
    reloj_.setInterval(qMax(1, ms));
}

void Timer::Tictac()
{
    // A stopped countdown counts nothing, so no expiry can follow Detiene.
    if (!Corriendo() || restante_ <= 0)
        return;
    --restante_;
    AvisarNombreAccesible(this);
    desdeTic_.restart();
    if (restante_ == 0) {
        Detiene();
        emit Expira();
        return;
    }
    update();
}

double Timer::fraccionRestante() const
{
    if (limite_ <= 0)
        return 0.0;
    double resto = restante_;
    if (Corriendo() && desdeTic_.isValid())
        resto -= qBound(0.0, double(desdeTic_.elapsed()) / reloj_.interval(), 1.0);
    return qBound(0.0, resto / limite_, 1.0);
}

namespace {
// The ring's side and its stroke, for a box.
double ladoAnillo(QSizeF caja) { return qMin(caja.width(), caja.height()) * 0.86; }
double grosorAnillo(double lado) { return qMax(2.0, lado * 0.11); }
}

int Timer::letraCifras(QSizeF caja, int restante)
{
    const double lado = ladoAnillo(caja - QSizeF(2, 2));
    const double anillo = lado - grosorAnillo(lado);
    return qMax(6, int(anillo * (restante >= 100 ? 0.36 : 0.48)));
}

void Timer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF caja = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double radioCaja = qMin(caja.height(), caja.width()) * 0.22;

    QLinearGradient fondo(caja.topLeft(), caja.bottomLeft());
    fondo.setColorAt(0, kAzul);
    fondo.setColorAt(1, kAzulOscuro);
    p.setPen(QPen(kOro.darker(130), 1.2));
    p.setBrush(fondo);
    p.drawRoundedRect(caja, radioCaja, radioCaja);

    // The ring: a dim track with the remaining part lit over it.
    const double lado = ladoAnillo(caja.size());
    const double grosor = grosorAnillo(lado);
    QRectF anillo(0, 0, lado - grosor, lado - grosor);
    anillo.moveCenter(caja.center());

    QColor color = kOro;
    if (restante_ <= kUltimos)
        color = mezcla(kAmbar, kRojo, 1.0 - double(restante_) / kUltimos);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 204, 48, 45), grosor, Qt::SolidLine, Qt::FlatCap));
    p.drawEllipse(anillo);

    const int arco = int(std::round(fraccionRestante() * 360 * 16));
    if (arco > 0) {
        QConicalGradient brillo(anillo.center(), 90);
        brillo.setColorAt(0, color.lighter(125));
        brillo.setColorAt(0.5, color);
        brillo.setColorAt(1, color.darker(115));
        p.setPen(QPen(QBrush(brillo), grosor, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(anillo, 90 * 16, arco);   // from twelve o'clock, draining clockwise
    }

    QFont f(QStringLiteral("Arial"));
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setBold(true);
    f.setPixelSize(LetraCifras());
    p.setFont(f);
    p.setPen(restante_ <= kUltimos ? color : kOro);
    p.drawText(anillo, Qt::AlignCenter, QString::number(restante_));
}

}
