#include "Comod.h"

#include "AccesibleComod.h"
#include "BolsaPropiedades.h"
#include "HabilitadoPropio.h"
#include "ImagenComodin.h"
#include "PintaSvg.h"

#include <QCursor>
#include <QEvent>
#include <QPainter>

namespace {

constexpr int TwipsPorPixel = 15;
constexpr int FueraDeVista = -1000;  // twips: where the set not in use is parked

const char* const Motivos[3] = {"estadisticas", "salta", "cincuenta"};
const char* const Consejos[3] = {"ver estadísticas", "salta a otra pregunta", "quita dos equivocadas"};
constexpr int IzquierdaChica[3] = {0, 585, 1170};
constexpr int IzquierdaGrande[3] = {0, 840, 1680};

int enPixeles(double twips) { return qRound(twips / TwipsPorPixel); }
constexpr int LadoChico = 37, LadoGrande = 53;

QColor desdeBGR(qint32 c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

}  // namespace

Comod::Comod(QWidget* parent) : QWidget(parent) {
    const QCursor mano(pixmapSvg(QStringLiteral(":/Comodines/arte/mano.svg"), QSize(32, 32)), 12, 1);
    for (int i = 0; i < 12; ++i) {
        const bool grande = i >= 6;
        const int k = i % 3;
        const bool usado = i % 6 >= 3;
        const QString recurso = QStringLiteral(":/Comodines/arte/%1_%2.svg")
                                    .arg(QLatin1String(Motivos[k]),
                                         usado ? QStringLiteral("usado") : QStringLiteral("disponible"));
        auto* img = new ImagenComodin(recurso, grande ? LadoGrande : LadoChico, this);
        tops_[i] = grande ? FueraDeVista : 0;
        img->move(enPixeles(grande ? IzquierdaGrande[k] : IzquierdaChica[k]), enPixeles(tops_[i]));
        if (usado) {
            // A used picture never reports a click.
            img->setEnabled(false);
            img->hide();
        } else {
            img->setToolTip(QString::fromUtf8(Consejos[k]));
            img->setCursor(mano);
        }
        connect(img, &ImagenComodin::pulsada, this, [this, i] { usaImagen(i); });
        imagenes_[i] = img;
    }
    AccesibleComod::Vigilar(this);
}

bool Comod::imagenMostrada(int i) const {
    return i >= 0 && i < 12 && !imagenes_[i]->isHidden();
}

int Comod::topImagen(int i) const { return i >= 0 && i < 12 ? tops_[i] : 0; }

QWidget* Comod::imagen(int i) const { return i >= 0 && i < 12 ? imagenes_[i] : nullptr; }

void Comod::marca(const QString& nombre) {
    if (restaurando_) return;
    if (!cambiadas_.contains(nombre)) cambiadas_ << nombre;
    emit PropertyChanged(nombre);
}

void Comod::setSituation(qint16 v) {
    situacion_ = v;
    muestraSituacion();
    marca(QStringLiteral("Situation"));
}

void Comod::setBackColor(qint32 c) {
    if (c != fondo_) {
        fondo_ = c;
        update();
    }
    marca(QStringLiteral("BackColor"));
}

void Comod::muestraSituacion() {
    // Thresholds on the remainder: above 7 all read as used, below 0 all as available.
    const int o = base_;
    int r = situacion_;
    const int pesos[3] = {4, 2, 1};
    for (int k = 0; k < 3; ++k) {
        const bool usado = r >= pesos[k];
        if (usado) r -= pesos[k];
        imagenes_[o + k]->setVisible(!usado);
        imagenes_[o + k + 3]->setVisible(usado);
    }
    AccesibleComod::Avisar(this);
}

void Comod::usaImagen(int i) {
    int k = -1;
    if (i >= 0 && i <= 2) k = i;
    else if (i >= 6 && i <= 8) k = i - 6;
    if (k < 0) return;
    situacion_ = qint16(situacion_ + (4 >> k));
    muestraSituacion();
    update();
    emit Click(qint16(k));
}

void Comod::KeyPress(qint16 KeyAscii) {
    if (!isEnabled()) return;
    const QChar c = QChar(char16_t(KeyAscii)).toUpper();
    int k = -1;
    if (c == QLatin1Char('E')) k = 0;
    else if (c == QLatin1Char('N')) k = 1;
    else if (c == QLatin1Char('Q')) k = 2;
    if (k < 0) return;
    if (imagenMostrada(base_ + k)) usaImagen(base_ + k);
}

void Comod::resizeEvent(QResizeEvent*) { disponer(); }

void Comod::setEscala(double e) {
    e = qBound(0.05, e, 20.0);
    if (qFuzzyCompare(e, escala_)) return;
    escala_ = e;
    disponer();
}

QRect Comod::cajaImagenes() const {
    QRect r;
    for (int k = 0; k < 3; ++k) r |= imagenes_[base_ + k]->geometry();
    return r;
}

void Comod::disponer() {
    base_ = width() * TwipsPorPixel > 2474 ? 6 : 0;
    const int otra = base_ == 6 ? 0 : 6;
    for (int i = 0; i < 12; ++i) {
        const bool grande = i >= 6;
        const int lado = qMax(1, qRound((grande ? LadoGrande : LadoChico) * escala_));
        const int* izquierdas = grande ? IzquierdaGrande : IzquierdaChica;
        const int izq = enPixeles(izquierdas[i % 3] * escala_);
        imagenes_[i]->setFixedSize(lado, lado);
        imagenes_[i]->move(izq, imagenes_[i]->y());
    }
    for (int k = 0; k < 6; ++k) {
        tops_[otra + k] = FueraDeVista;
        // Parked far enough up that a grown picture shows no edge either.
        const int arriba = qMin(enPixeles(FueraDeVista), -imagenes_[otra + k]->height() - 1);
        imagenes_[otra + k]->move(imagenes_[otra + k]->x(), arriba);
        tops_[base_ + k] = 0;
        imagenes_[base_ + k]->move(imagenes_[base_ + k]->x(), 0);
    }
    muestraSituacion();
}

void Comod::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange && HabilitadoPropioCambio(*this, habilitadoPropio_))
        marca(QStringLiteral("Enabled"));
    QWidget::changeEvent(e);
}

void Comod::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), desdeBGR(fondo_));
}

void Comod::ReadProperties(const BolsaPropiedades& bolsa) {
    restaurando_ = true;
    situacion_ = qint16(bolsa.leer(QStringLiteral("Situation"), qint16(0)).toInt());
    muestraSituacion();
    setEnabled(bolsa.leer(QStringLiteral("Enabled"), true).toBool());
    setBackColor(bolsa.leer(QStringLiteral("BackColor"), qint32(0x800000)).toInt());
    restaurando_ = false;
}

void Comod::WriteProperties(BolsaPropiedades& bolsa) const {
    bolsa.escribir(QStringLiteral("Situation"), situacion_, qint16(0));
    bolsa.escribir(QStringLiteral("Enabled"), !testAttribute(Qt::WA_ForceDisabled), true);
    bolsa.escribir(QStringLiteral("BackColor"), fondo_, qint32(0x800000));
}

QPixmap Comod::IconoPaleta() { return pixmapSvg(QStringLiteral(":/Comodines/arte/icono.svg"), QSize(16, 15)); }
