#include "Resp.h"

#include "AccesibleResp.h"
#include "BolsaPropiedades.h"
#include "HabilitadoPropio.h"
#include "ContornoResp.h"
#include "PintaSvg.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int TwipsPorPixel = 15;
constexpr int FueraDeVista = -10000;  // twips: where the size not in use is parked

// Large and small artwork, in pixels.
constexpr QSize BarraGrande{491, 101};
constexpr QSize BarraChica{320, 65};
constexpr int DiscoGrande = 50;
constexpr int DiscoChico = 32;

QString barra(bool grande, int estado) {
    return QStringLiteral(":/Respuesta/arte/barra_%1_%2.svg")
        .arg(grande ? QStringLiteral("grande") : QStringLiteral("chica"))
        .arg(estado);
}

QString disco(bool grande) {
    return grande ? QStringLiteral(":/Respuesta/arte/disco_grande.svg")
                  : QStringLiteral(":/Respuesta/arte/disco_chica.svg");
}

QFont fuenteArial(double puntos) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(puntos);
    f.setBold(true);
    return f;
}

int enPixeles(double twips) { return qRound(twips / TwipsPorPixel); }
QSize aEscala(QSize s, double e) { return (QSizeF(s) * e).toSize(); }

}  // namespace

Resp::Resp(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(QCursor(pixmapSvg(QStringLiteral(":/Respuesta/arte/mano.svg"), QSize(32, 32)), 12, 1));
    cajaCaption_ = QRect(enPixeles(780), 0, enPixeles(6060), enPixeles(100));
    AccesibleResp::Vigilar(this);
}

bool Resp::modoGrande() const { return width() * TwipsPorPixel > 7364; }

qint16 Resp::ActionWidth() const { return modoGrande() ? 7365 : 4800; }
qint16 Resp::ActionHeight() const { return modoGrande() ? 1515 : 975; }

bool Resp::barraVisible(bool grande, int estado) const {
    if (estado < 0 || estado > 3) return false;
    return grande ? visibleGrande_[estado] : visibleChica_[estado];
}

QRect Resp::cajaLetra() const { return QRect(posLetra_, QSize(enPixeles(495 * escala_), enPixeles(495 * escala_))); }

QRect Resp::cajaArte() const { return QRect(QPoint(0, 0), aEscala(modoGrande() ? BarraGrande : BarraChica, escala_)); }

void Resp::setEscala(double e) {
    e = qBound(0.05, e, 20.0);
    if (qFuzzyCompare(e, escala_)) return;
    escala_ = e;
    disponer();
}

void Resp::marca(const QString& nombre) {
    if (restaurando_) return;
    if (!cambiadas_.contains(nombre)) cambiadas_ << nombre;
    emit PropertyChanged(nombre);
}

void Resp::setSituation(qint16 v) {
    // A stored state outside 0..3 (only a restore can leave one) has no picture to hide.
    const int antes = situacion_;
    const int nuevo = qMin(qAbs(int(v)), 3);
    const bool igual = antes == nuevo && visibleGrande_[nuevo] && visibleChica_[nuevo];
    if (!igual) {
        if (antes >= 0 && antes <= 3) visibleGrande_[antes] = visibleChica_[antes] = false;
        situacion_ = qint16(nuevo);
        visibleGrande_[nuevo] = visibleChica_[nuevo] = true;
        colorCaption_ = nuevo == 1 ? QColor(Qt::black) : QColor(Qt::white);
        update();
        AccesibleResp::AvisarEstado(this);
    }
    marca(QStringLiteral("Situation"));
}

void Resp::setCaption(const QString& t) {
    const bool otro = t != caption_;
    caption_ = t;
    puntosCaption_ = modoGrande() ? 22 : 14;
    ajustaCaption();
    update();
    if (otro) AccesibleResp::AvisarNombre(this);
    marca(QStringLiteral("Caption"));
}

void Resp::setLetter(const QString& t) {
    QString nueva = QStringLiteral("A");
    if (!t.isEmpty()) {
        // The first character, taking a surrogate pair whole.
        const char32_t c = t.at(0).isHighSurrogate() && t.size() > 1
                               ? QChar::surrogateToUcs4(t.at(0), t.at(1))
                               : char32_t(t.at(0).unicode());
        const char32_t mayuscula = QChar::toUpper(c);
        nueva = QString::fromUcs4(&mayuscula, 1);
    }
    if (nueva != letra_) {
        letra_ = nueva;
        update();
        AccesibleResp::AvisarNombre(this);
    }
    marca(QStringLiteral("Letter"));
}

void Resp::ajustaCaption() {
    // Shrinks one point at a time until the word-wrapped text fits the bar's height.
    for (;;) {
        const bool grande = modoGrande();
        const double izquierda = (grande ? 780 : 540) * escala_;
        const double ancho = (grande ? 6060 : 3960) * escala_;
        const double alto = (grande ? 1515 : 975) * escala_;
        const double maximo = (grande ? 1335 : 795) * escala_;
        const QFontMetrics fm(fuenteArial(puntosCaption_ * escala_), this);
        const QRect medida = fm.boundingRect(QRect(0, 0, enPixeles(ancho), 1 << 24),
                                             Qt::AlignHCenter | Qt::TextWordWrap, caption_);
        const int altoTexto = qMax(medida.height(), fm.height());
        if (altoTexto * TwipsPorPixel <= maximo || puntosCaption_ <= PuntosMinimos) {
            const double top = (alto - altoTexto * TwipsPorPixel) / 2;
            cajaCaption_ = QRect(enPixeles(izquierda), enPixeles(top), enPixeles(ancho), altoTexto);
            return;
        }
        --puntosCaption_;
    }
}

void Resp::resizeEvent(QResizeEvent*) { disponer(); }

void Resp::disponer() {
    const bool grande = modoGrande();
    topGrande_ = grande ? 0 : FueraDeVista;
    topChica_ = grande ? FueraDeVista : 0;
    puntosLetra_ = grande ? 24 : 16;
    posLetra_ = grande ? QPoint(enPixeles(210 * escala_), enPixeles(75 * escala_))
                       : QPoint(enPixeles(120 * escala_), enPixeles(45 * escala_));
    puntosCaption_ = grande ? 22 : 14;
    // The outline shapes the control: outside the bar, and anywhere below or
    // to the right of the artwork, clicks go to whatever lies beneath.
    setMask(regionContorno(grande, escala_));
    ajustaCaption();
    update();
}

void Resp::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange && HabilitadoPropioCambio(*this, habilitadoPropio_))
        marca(QStringLiteral("Enabled"));
    QWidget::changeEvent(e);
}

bool Resp::dentro(const QPoint& p) const {
    if (!rect().contains(p)) return false;
    const QRegion m = mask();
    return m.isEmpty() || m.contains(p);
}

void Resp::mousePressEvent(QMouseEvent* e) {
    pulsado_ = e->button() == Qt::LeftButton && dentro(e->position().toPoint());
    if (!pulsado_) QWidget::mousePressEvent(e);
}

void Resp::mouseReleaseEvent(QMouseEvent* e) {
    const bool clic = pulsado_ && e->button() == Qt::LeftButton && dentro(e->position().toPoint());
    pulsado_ = false;
    if (clic && isEnabled()) emit Click();
}

void Resp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal dpr = devicePixelRatioF();
    // Back to front: the bars, the discs, the letter, the caption.
    const int yGrande = enPixeles(topGrande_);
    const int yChica = enPixeles(topChica_);
    // Drawn at the size shown, so a grown bar stays as sharp as the design's.
    const QSize grande = aEscala(BarraGrande, escala_), chica = aEscala(BarraChica, escala_);
    for (int i = 0; i < 4; ++i)
        if (visibleGrande_[i]) p.drawPixmap(0, yGrande, pixmapSvg(barra(true, i), grande, dpr));
    for (int i = 0; i < 4; ++i)
        if (visibleChica_[i]) p.drawPixmap(0, yChica, pixmapSvg(barra(false, i), chica, dpr));
    p.drawPixmap(0, yGrande, pixmapSvg(disco(true), aEscala(QSize(DiscoGrande, DiscoGrande), escala_), dpr));
    p.drawPixmap(0, yChica, pixmapSvg(disco(false), aEscala(QSize(DiscoChico, DiscoChico), escala_), dpr));

    p.setFont(fuenteArial(puntosLetra_ * escala_));
    p.setPen(QColor(0xFF, 0, 0));
    p.drawText(cajaLetra(), Qt::AlignLeft | Qt::AlignTop, letra_);

    p.setFont(fuenteArial(puntosCaption_ * escala_));
    p.setPen(colorCaption_);
    p.drawText(cajaCaption_, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption_);
}

void Resp::ReadProperties(const BolsaPropiedades& bolsa) {
    // Values go in as stored: no limit on the state, no fitting, no picture change.
    restaurando_ = true;
    situacion_ = qint16(bolsa.leer(QStringLiteral("Situation"), qint16(0)).toInt());
    setEnabled(bolsa.leer(QStringLiteral("Enabled"), true).toBool());
    caption_ = bolsa.leer(QStringLiteral("Caption"), QString()).toString();
    letra_ = bolsa.leer(QStringLiteral("Letter"), QStringLiteral("A")).toString();
    restaurando_ = false;
    update();
    AccesibleResp::AvisarNombre(this);
    AccesibleResp::AvisarEstado(this);
}

void Resp::WriteProperties(BolsaPropiedades& bolsa) const {
    bolsa.escribir(QStringLiteral("Situation"), situacion_, qint16(0));
    bolsa.escribir(QStringLiteral("Enabled"), !testAttribute(Qt::WA_ForceDisabled), true);
    bolsa.escribir(QStringLiteral("Caption"), caption_, QString());
    bolsa.escribir(QStringLiteral("Letter"), letra_, QStringLiteral("A"));
}

QPixmap Resp::IconoPaleta() { return pixmapSvg(QStringLiteral(":/Respuesta/arte/icono.svg"), QSize(16, 15)); }
