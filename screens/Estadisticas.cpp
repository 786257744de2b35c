#include "Estadisticas.h"

#include "Ventanas.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {
double px(int twips) { return twips / 15.0; }
const std::array<QColor, 4> kColores{QColor(255, 128, 128), QColor(255, 255, 0), QColor(0, 255, 255),
                                     QColor(0, 255, 0)};
}

Estadisticas::Estadisticas(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      grafico_(Encuesta::Inicial())
{
    setObjectName(QStringLiteral("Estadisticas"));
    setWindowTitle(QStringLiteral("Estadísticas"));
    setFixedSize(339, 300);   // 5085 x 4500 twips
    Ventanas::FondoAzul(this);
    if (QScreen* pantalla = QGuiApplication::primaryScreen())
        move(pantalla->availableGeometry().topLeft());
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
    // The room's count, above the tallest caption.
    p.setPen(QColor(255, 204, 48));
    p.setFont(Ventanas::Fuente(QStringLiteral("Trebuchet MS"), 10));
    p.drawText(QRectF(0, 0, width(), px(Encuesta::Base - Encuesta::AltoMaximo - Encuesta::AltoLeyenda)),
               Qt::AlignCenter, votos_);
}
