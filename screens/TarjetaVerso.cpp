#include "TarjetaVerso.h"

#include "Colores.h"
#include "DisenoTablero.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <cmath>

namespace {
// Points of the reference and of the text: as readable as the question
// (16 and 22 points) across a room.
constexpr int PuntosChico = 15, PuntosGrande = 20;
// The letters shrink no further than this share, and only to keep the phrase.
constexpr double MenorEncogido = 0.75;
// The longest line, in average letters.
constexpr int LetrasPorLinea = 64;

const QColor Fondo(8, 16, 88);

// The passage laid out in width; its height.
qreal disponer(QTextLayout& l, const QFont& f, const Citas::Recorte& r, qreal ancho)
{
    l.setText(r.texto);
    l.setFont(f);
    QTextOption o;
    o.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    l.setTextOption(o);
    QList<QTextLayout::FormatRange> formatos;
    if (r.desde >= 0) {
        QTextLayout::FormatRange frase;
        frase.start = int(r.desde);
        frase.length = int(r.largo);
        frase.format.setForeground(Colores::Oro);
        frase.format.setFontWeight(QFont::Bold);
        formatos << frase;
    }
    l.setFormats(formatos);
    qreal y = 0;
    l.beginLayout();
    for (QTextLine linea = l.createLine(); linea.isValid(); linea = l.createLine()) {
        linea.setLineWidth(ancho);
        linea.setPosition({0, y});
        y += linea.height();
    }
    l.endLayout();
    return y;
}

qreal alto(const QFont& f, const Citas::Recorte& r, qreal ancho)
{
    QTextLayout l;
    return disponer(l, f, r, ancho);
}
}  // namespace

TarjetaVerso::TarjetaVerso(QWidget* tablero) : QWidget(tablero)
{
    setObjectName(QStringLiteral("TarjetaVerso"));
    setAttribute(Qt::WA_TransparentForMouseEvents);  // nothing to click; clicks go to the board
    setFocusPolicy(Qt::NoFocus);
    setLetra(false, 1.0);
    hide();
}

void TarjetaVerso::setLetra(bool grande, double crece)
{
    crece_ = crece;
    referencia_ = Diseno::fuente(grande ? PuntosGrande : PuntosChico, true);
    textoPleno_ = Diseno::fuente(grande ? PuntosGrande : PuntosChico, false);
    if (crece > 1.0) {
        referencia_.setPointSizeF(referencia_.pointSizeF() * crece);
        textoPleno_.setPointSizeF(textoPleno_.pointSizeF() * crece);
    }
    texto_ = textoPleno_;
    Ajustar();
}

int TarjetaVerso::Margen() const { return int(std::lround(QFontMetrics(textoPleno_).height() * 0.45)); }

QSize TarjetaVerso::Minimo() const
{
    const QFontMetrics r(referencia_), t(textoPleno_);
    return {r.averageCharWidth() * 16 + 2 * Margen(), r.height() + 2 * t.height() + 3 * Margen()};
}

QRect TarjetaVerso::CajaTexto() const
{
    const int m = Margen();
    const int arriba = m + QFontMetrics(referencia_).height() + m / 2;
    return QRect(m, arriba, width() - 2 * m, height() - arriba - m);
}

bool TarjetaVerso::Mostrar(qint32 id)
{
    const auto c = citas_.de(id);
    if (!c) {
        Quitar();
        return false;
    }
    cita_ = *c;
    activa_ = true;
    setAccessibleName(QStringLiteral("Versículo: ") + cita_.referencia);
    setAccessibleDescription(cita_.texto);
    raise();
    emit quiereLugar();  // its height follows the passage
    return true;
}

void TarjetaVerso::Quitar()
{
    activa_ = false;
    hide();
}

void TarjetaVerso::Colocar(const QRect& lugar, const QRect& cubrir)
{
    if (lugar.isEmpty()) {
        hide();
        setGeometry(QRect(lugar.topLeft(), QSize(0, 0)));
        return;
    }
    // Lines no longer than a reader follows at a glance, centred in its room,
    // and as high as the passage needs at the room's top: a short verse leaves
    // the rest of the question's place free.
    const int ancho = qMin(lugar.width(), 2 * Margen() + QFontMetrics(textoPleno_).averageCharWidth() * LetrasPorLinea);
    // Fitted here, once for each size, not in resizeEvent: a hidden widget
    // gets that only when shown, too late for the height below.
    colocando_ = true;
    setGeometry(lugar.left() + (lugar.width() - ancho) / 2, lugar.top(), ancho, lugar.height());
    Ajustar();
    // Lower, the same cut fits: nothing to fit again.
    const int usado = CajaTexto().top() + int(std::ceil(alto(texto_, recorte_, qMax(1, CajaTexto().width())))) + Margen();
    if (!recorte_.texto.isEmpty() && usado < lugar.height())
        resize(width(), usado);
    if (!cubrir.isEmpty() && geometry().intersects(cubrir)) {
        const QRect todo = geometry().united(cubrir).intersected(lugar);
        if (todo != geometry()) {
            setGeometry(todo);
            Ajustar();
        }
    }
    if (activa_ && isHidden())
        show();
    colocando_ = false;
}

void TarjetaVerso::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (!colocando_)
        Ajustar();
}

// The most of the passage that fits, around the phrase; where not even the
// phrase fits, smaller letters, down to a floor.
void TarjetaVerso::Ajustar()
{
    texto_ = textoPleno_;
    if (cita_.texto.isEmpty() || width() <= 0 || height() <= 0) {
        recorte_ = {};
        return;
    }
    const QRect caja = CajaTexto();
    const qreal ancho = qMax(1, caja.width());
    const qreal cabe = caja.height();
    const qsizetype total = cita_.texto.size();
    const qreal menor = textoPleno_.pointSizeF() * MenorEncogido;
    for (;;) {
        Citas::Recorte todo = Citas::acortar(cita_.texto, cita_.frase, total);
        if (alto(texto_, todo, ancho) <= cabe) {
            recorte_ = todo;
            break;
        }
        // The longest cut that fits: the cut grows with maximo.
        qsizetype lo = 0, hi = total;
        Citas::Recorte mejor = Citas::acortar(cita_.texto, cita_.frase, 0);
        const bool fraseCabe = alto(texto_, mejor, ancho) <= cabe;
        if (fraseCabe) {
            while (lo < hi) {
                const qsizetype medio = (lo + hi + 1) / 2;
                const Citas::Recorte r = Citas::acortar(cita_.texto, cita_.frase, medio);
                if (alto(texto_, r, ancho) <= cabe) {
                    lo = medio;
                    mejor = r;
                } else {
                    hi = medio - 1;
                }
            }
        }
        recorte_ = mejor;
        if (fraseCabe || texto_.pointSizeF() * 0.9 < menor)
            break;
        texto_.setPointSizeF(texto_.pointSizeF() * 0.9);
    }
    update();
}

void TarjetaVerso::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal borde = qMax(2.0, 2.0 * crece_);
    const QRectF marco = QRectF(rect()).adjusted(borde / 2, borde / 2, -borde / 2, -borde / 2);
    const qreal radio = Margen() * 0.8;
    p.setPen(QPen(Colores::Oro, borde));
    p.setBrush(Fondo);
    p.drawRoundedRect(marco, radio, radio);

    const int m = Margen();
    p.setFont(referencia_);
    p.setPen(Colores::Oro);
    const QFontMetrics fm(referencia_);
    const QRect linea(m, m, width() - 2 * m, fm.height());
    p.drawText(linea, Qt::AlignLeft | Qt::AlignVCenter, fm.elidedText(cita_.referencia, Qt::ElideRight, linea.width()));

    const QRect caja = CajaTexto();
    QTextLayout l;
    disponer(l, texto_, recorte_, qMax(1, caja.width()));
    p.setPen(Qt::white);
    p.setClipRect(caja);
    l.draw(&p, caja.topLeft());
}
