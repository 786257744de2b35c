#include "VentanaPublico.h"

#include "CodigoQr.h"
#include "Colores.h"
#include "CuadroQr.h"
#include "ImagenesPrograma.h"
#include "Publico.h"
#include "Ventanas.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace {
void letra(QLabel* l, double pixeles, bool negrita = true)
{
    QFont f = Ventanas::Fuente(QStringLiteral("Tahoma"), 10, negrita);
    f.setPixelSize(qMax(6, int(pixeles)));
    l->setFont(f);
}

// A text as large as asked but no wider than the room it has.
void letraQueQuepa(QLabel* l, double pixeles, int ancho, bool negrita = true)
{
    letra(l, pixeles, negrita);
    for (int i = 0; i < 40 && l->font().pixelSize() > 6 && l->fontMetrics().horizontalAdvance(l->text()) > ancho; ++i)
        letra(l, l->font().pixelSize() * 0.92, negrita);
}
}

VentanaPublico::VentanaPublico(Publico& sala, QWidget* parent)
    : QWidget(parent, Qt::Window), sala_(&sala), qr_(new CuadroQr(this))
{
    setObjectName(QStringLiteral("VentanaPublico"));
    setWindowTitle(QStringLiteral("Público"));
    setWindowIcon(ImagenesPrograma::Icono());
    // It shows beside the board, which keeps the keys; and it does not keep
    // the program alive once the board has gone.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    Ventanas::FondoAzul(this);
    setMinimumSize(480, 270);
    resize(960, 540);

    titulo_ = texto("titulo");
    titulo_->setText(QStringLiteral("Únete desde tu teléfono"));
    indicacion_ = texto("indicacion");
    indicacion_->setText(QStringLiteral("Escanea el código o escribe en el navegador:"));
    direccion_ = texto("direccion");
    direccion_->setStyleSheet(QStringLiteral("color: white"));
    rotuloCodigo_ = texto("rotuloCodigo");
    rotuloCodigo_->setText(QStringLiteral("Código de la sala"));
    codigo_ = texto("codigo");
    codigo_->setStyleSheet(QStringLiteral("color: white"));
    conectados_ = texto("conectados");
    rotuloMejores_ = texto("rotuloMejores");
    rotuloMejores_->setText(QStringLiteral("Los mejores del público"));
    for (size_t i = 0; i < mejores_.size(); ++i)
        mejores_[i] = texto("mejor");
    problema_ = texto("problema", Qt::AlignCenter);
    problema_->setWordWrap(true);
    nota_ = texto("nota");
    nota_->setText(QStringLiteral("Solo en la red local de este equipo: sin internet y sin cuentas."));
    nota_->setWordWrap(true);

    connect(&sala, &Publico::estadoCambia, this, &VentanaPublico::Actualizar);
    Actualizar();
}

QLabel* VentanaPublico::texto(const char* nombre, Qt::Alignment alineado)
{
    auto* l = new QLabel(this);
    l->setObjectName(QLatin1String(nombre));
    l->setTextFormat(Qt::PlainText);  // names come from the phones
    l->setAlignment(alineado);
    return l;
}

QString VentanaPublico::TextoConectados(int n)
{
    if (n <= 0)
        return QStringLiteral("Ningún teléfono conectado");
    if (n == 1)
        return QStringLiteral("1 teléfono conectado");
    return QStringLiteral("%1 teléfonos conectados").arg(n);
}

void VentanaPublico::Actualizar()
{
    if (!sala_)
        return;
    const EstadoSala e = sala_->estado();
    escuchando_ = e.escuchando;
    if (e.enlace != enlace_) {
        enlace_ = e.enlace;
        qr_->setCodigo(CodigoQr::De(enlace_));
    }
    direccion_->setText(e.direccion);
    codigo_->setText(e.codigo);
    conectados_->setText(TextoConectados(e.conectados));
    for (size_t i = 0; i < mejores_.size(); ++i) {
        const bool hay = qsizetype(i) < e.mejores.size();
        mejores_[i]->setProperty("completo", hay ? QStringLiteral("%1. %2 · %3")
                                                       .arg(i + 1)
                                                       .arg(e.mejores[qsizetype(i)].nombre, e.mejores[qsizetype(i)].puntos)
                                                 : QString());
    }
    if (!e.escuchando)
        problema_->setText(e.problema.isEmpty() ? QStringLiteral("Abriendo la sala…") : e.problema);
    Colocar();
}

void VentanaPublico::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Colocar();
}

void VentanaPublico::Colocar()
{
    const int W = width(), H = height();
    const double u = qMin(H, W * 9 / 16) / 100.0;  // one hundredth of a 16:9 window's height
    const int m = int(5 * u);
    const bool hayMejores = !mejores_[0]->property("completo").toString().isEmpty();

    for (QWidget* w : std::initializer_list<QWidget*>{qr_, titulo_, indicacion_, direccion_, rotuloCodigo_, codigo_,
                                                      conectados_, rotuloMejores_, nota_})
        w->setVisible(escuchando_);
    for (QLabel* l : mejores_)
        l->setVisible(escuchando_ && !l->property("completo").toString().isEmpty());
    rotuloMejores_->setVisible(escuchando_ && hayMejores);
    problema_->setVisible(!escuchando_);

    if (!escuchando_) {
        letra(problema_, 5.5 * u);
        problema_->setGeometry(m, m, W - 2 * m, H - 2 * m);
        return;
    }

    // The code on the left (on top in a tall window), the texts beside it.
    const bool apaisada = W >= H * 11 / 10;
    QRect columna;
    if (apaisada) {
        const int lado = qMin(H - 2 * m, (W - 3 * m) / 2);
        qr_->setGeometry(m, (H - lado) / 2, lado, lado);
        columna = QRect(2 * m + lado, m, W - 3 * m - lado, H - 2 * m);
    } else {
        const int lado = qMin(W - 2 * m, H * 45 / 100);
        qr_->setGeometry((W - lado) / 2, m, lado, lado);
        columna = QRect(m, 2 * m + lado, W - 2 * m, H - 3 * m - lado);
    }

    // Each line at its size; shrunk together when the column is too short.
    struct Linea {
        QLabel* l;
        double alto;  // in u
        double antes; // room above, in u
    };
    std::vector<Linea> lineas{{titulo_, 7, 0},       {indicacion_, 3.6, 3}, {direccion_, 5, 1},
                              {rotuloCodigo_, 3.6, 4}, {codigo_, 15, 0},      {conectados_, 4.2, 2}};
    if (hayMejores) {
        lineas.push_back({rotuloMejores_, 4.2, 4});
        for (QLabel* l : mejores_)
            if (!l->isHidden())
                lineas.push_back({l, 3.6, 0.6});
    }
    double total = 0;
    for (const Linea& x : lineas)
        total += x.antes + x.alto * 1.25;
    const double notaAlto = 2.8 * 1.25 * 2;  // two lines at most
    const double escala = qMin(1.0, columna.height() / (u * (total + 3 + notaAlto)));
    const double v = u * escala;

    double y = columna.top();
    for (const Linea& x : lineas) {
        y += x.antes * v;
        const int alto = int(x.alto * 1.25 * v + 0.5);
        if (x.l == direccion_ || x.l == codigo_ || x.l == titulo_)
            letraQueQuepa(x.l, x.alto * v, columna.width());
        else
            letra(x.l, x.alto * v, x.l != indicacion_);
        if (std::find(mejores_.begin(), mejores_.end(), x.l) != mejores_.end())
            x.l->setText(x.l->fontMetrics().elidedText(x.l->property("completo").toString(), Qt::ElideRight,
                                                       columna.width()));
        x.l->setGeometry(columna.left(), int(y), columna.width(), alto);
        y += alto;
    }
    letra(nota_, 2.8 * v, false);
    const int notaPx = int(notaAlto * v);
    nota_->setGeometry(columna.left(), columna.bottom() - notaPx, columna.width(), notaPx);
}

void VentanaPublico::paintEvent(QPaintEvent* e)
{
    QWidget::paintEvent(e);
    QPainter p(this);
    Ventanas::MarcoDorado(p, rect());
    if (escuchando_ && !qr_->codigo().vacio()) {
        // A gold outline around the white square, as the game frames its windows.
        const QRect c = CuadroQr::Cuadro(qr_->size(), qr_->codigo().ladoConSilencio()).translated(qr_->pos());
        p.setPen(QPen(Colores::Oro, qMax(2, width() / 400)));
        p.drawRect(c.adjusted(-3, -3, 2, 2));
    }
}
