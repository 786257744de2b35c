#include "Estadisticas.h"

#include "Arrastre.h"
#include "BotonImagen.h"
#include "DisenoTablero.h"
#include "Ventanas.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {
double px(int twips) { return twips / 15.0; }
constexpr QSize kDiseno(339, 300);  // 5085 x 4500 twips

// An element's rectangle on a board of that inner size, as the resize step places it.
QRect enTablero(int x, int y, int w, int h, QSize tablero)
{
    const float SW = float(tablero.width() * Diseno::TwipsPorPixel), SH = float(tablero.height() * Diseno::TwipsPorPixel);
    return QRect(Diseno::pixeles(float(x) * SW / Diseno::Ancho), Diseno::pixeles(float(y) * SH / Diseno::Alto),
                 Diseno::pixeles(float(w) * SW / Diseno::Ancho), Diseno::pixeles(float(h) * SH / Diseno::Alto));
}
const std::array<QColor, 4> kColores{QColor(255, 128, 128), QColor(255, 255, 0), QColor(0, 255, 255),
                                     QColor(0, 255, 0)};
}

Estadisticas::Estadisticas(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), grafico_(Encuesta::Inicial())
{
    setObjectName(QStringLiteral("Estadisticas"));
    setWindowTitle(QStringLiteral("Estadísticas"));
    setFixedSize(kDiseno);
    Ventanas::FondoAzul(this);
    auto* arrastre = new Arrastre(this);
    arrastre->agrega(this);
    cerrar_ = new BotonImagen(QPixmap(), this);
    cerrar_->setObjectName(QStringLiteral("cerrar"));
    cerrar_->setToolTip(QStringLiteral("cerrar"));
    cerrar_->setAccessibleName(QStringLiteral("Cerrar"));
    connect(cerrar_, &BotonImagen::clicked, this, &QDialog::reject);
    ponCerrar();
    if (parent)
        parent->window()->installEventFilter(this);
    if (QScreen* pantalla = QGuiApplication::primaryScreen())
        move(pantalla->availableGeometry().topLeft());
}

// The close box in the top-right corner: a gold cross on dark red, drawn at the window's size.
void Estadisticas::ponCerrar()
{
    const double e = double(width()) / kDiseno.width();
    const int lado = qMax(8, qRound(16 * e));
    const qreal dpr = devicePixelRatioF();
    QPixmap px(qRound(lado * dpr), qRound(lado * dpr));
    px.setDevicePixelRatio(dpr);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 204, 48), qMax(1.0, lado / 14.0)));
    p.setBrush(QColor(128, 10, 10));
    p.drawRoundedRect(QRectF(0.5, 0.5, lado - 1.0, lado - 1.0), lado / 5.0, lado / 5.0);
    p.setPen(QPen(QColor(255, 204, 48), qMax(1.5, lado / 8.0), Qt::SolidLine, Qt::RoundCap));
    const double m = lado * 0.3;
    p.drawLine(QPointF(m, m), QPointF(lado - m, lado - m));
    p.drawLine(QPointF(lado - m, m), QPointF(m, lado - m));
    p.end();
    cerrar_->ponerImagen(px);
    cerrar_->move(width() - lado - qRound(2 * e), qRound(2 * e));
}

void Estadisticas::Situar()
{
    const QWidget* tablero = parentWidget() ? parentWidget()->window() : nullptr;
    if (!tablero)
        return;
    const double crece = Diseno::crecimientoDe(tablero);
    QSize tam = (QSizeF(kDiseno) * crece).toSize();
    const QScreen* pantalla = tablero->screen();
    QPoint donde = pantalla ? pantalla->availableGeometry().topLeft() : QPoint();
    // The design's corner of the screen while the board leaves it free; on a
    // board that reaches it (one filling the screen) over the centre picture,
    // above the lifelines and left of the name and the question, smaller if
    // it must be, so that it covers none of them, the countdown or the answers.
    if (QRect(donde, tam).intersects(tablero->frameGeometry())) {
        const int h = Diseno::Holgura;
        const QRect hueco = enTablero(0, 0, 2820, 3840, tablero->size()).adjusted(h, h, -h, -h);
        const double e = std::min({crece, double(hueco.width()) / kDiseno.width(),
                                   double(hueco.height()) / kDiseno.height()});
        tam = (QSizeF(kDiseno) * qMax(0.3, e)).toSize();
        donde = tablero->mapToGlobal(hueco.topLeft());
    }
    setFixedSize(tam);
    move(donde);
    ponCerrar();
}

bool Estadisticas::eventFilter(QObject* o, QEvent* e)
{
    if (isVisible() && (e->type() == QEvent::Resize || e->type() == QEvent::Move))
        Situar();
    return QDialog::eventFilter(o, e);
}

void Estadisticas::showEvent(QShowEvent* e)
{
    Situar();
    QDialog::showEvent(e);
}

void Estadisticas::Llenar(qint16 nivel, qint16 correcta, Azar& azar)
{
    MuestraPesos(Encuesta::Sortea(nivel, correcta, azar));
}

void Estadisticas::MuestraPesos(const Encuesta::Pesos& pesos)
{
    if (auto g = Encuesta::Calcula(pesos)) {
        grafico_ = *g;
        esperaVotos_ = false;
        update();
    }
}

void Estadisticas::MuestraVotos(const QString& linea)
{
    votos_ = linea;
    esperaVotos_ = !linea.isEmpty();
    update();
}

void Estadisticas::keyPressEvent(QKeyEvent* e)
{
    // Only keys that give a character go to the board; the window stays open.
    // Escape is one of them, so it does not close the poll either.
    const QString texto = e->text();
    e->accept();
    if (texto.isEmpty())
        return;
    emit Tecla(int(texto.at(0).toUpper().unicode()), 0);
}

void Estadisticas::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    Ventanas::MarcoDorado(p, rect());
    // Drawn in the design's twips at whatever size the window has.
    p.scale(double(width()) / kDiseno.width(), double(height()) / kDiseno.height());
    // The title, in the strip above the tallest bar and its caption.
    p.setPen(QColor(255, 204, 48));
    p.setFont(Ventanas::Fuente(QStringLiteral("Trebuchet MS"), 9));
    p.drawText(QRectF(px(120), px(30), px(3600), px(240)), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());

    const QFont fuenteLeyenda = Ventanas::Fuente(QStringLiteral("Trebuchet MS"), 12);
    const QFont fuenteLetra = Ventanas::Fuente(QStringLiteral("Trebuchet MS"), 14.25);

    // A faint base line for the bars to stand on.
    p.setPen(QPen(QColor(255, 204, 48, 90), 1));
    p.drawLine(QPointF(px(240), px(Encuesta::Base) + 0.5), QPointF(px(5085 - 240), px(Encuesta::Base) + 0.5));

    for (int i = 0; i < 4; ++i) {
        const QColor color = kColores[size_t(i)];
        const int x = 360 + 1200 * i;
        const QRectF barra(px(x), px(grafico_.tope(i)), px(795), px(grafico_.alto[size_t(i)]));
        if (barra.height() > 0 && !esperaVotos_) {
            QLinearGradient brillo(barra.topLeft(), barra.topRight());
            brillo.setColorAt(0, color.darker(125));
            brillo.setColorAt(0.35, color.lighter(112));
            brillo.setColorAt(1, color.darker(140));
            p.setPen(Qt::NoPen);
            p.setBrush(brillo);
            p.drawRect(barra);
        }
        p.setPen(color);
        p.setFont(fuenteLeyenda);
        if (!esperaVotos_)
            p.drawText(QRectF(px(x), px(grafico_.topeLeyenda(i)), px(795), px(Encuesta::AltoLeyenda)),
                       Qt::AlignCenter, grafico_.leyenda[size_t(i)]);
        p.setFont(fuenteLetra);
        p.drawText(QRectF(px(480 + 1200 * i), px(Encuesta::Base), px(495), px(315)), Qt::AlignCenter,
                   QString(QChar(u'A' + i)));
    }
    // The room's count: large over the empty chart while the vote runs, then
    // in the top strip beside the title. The painter is in design units here.
    p.setPen(QColor(255, 204, 48));
    if (esperaVotos_) {
        p.setFont(Ventanas::Fuente(QStringLiteral("Trebuchet MS"), 14));
        p.drawText(QRectF(0, px(Encuesta::Base - Encuesta::AltoMaximo), kDiseno.width(), px(Encuesta::AltoMaximo)),
                   Qt::AlignCenter | Qt::TextWordWrap, votos_);
    } else {
        p.setFont(Ventanas::Fuente(QStringLiteral("Trebuchet MS"), 9));
        p.drawText(QRectF(px(1800), px(30), px(2700), px(240)), Qt::AlignCenter, votos_);
    }
}
