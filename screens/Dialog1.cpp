#include "Dialog1.h"

#include "Arrastre.h"
#include "Arte.h"
#include "BotonImagen.h"
#include "DisenoTablero.h"
#include "Ventanas.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {
constexpr int kAnchoMensaje = 4215;  // twips
}

// Twips of the design, 15 to a pixel, times the window's growth.
int Dialog1::px(int twips) const { return escala_ == 1.0 ? (twips + 7) / 15 : qRound(twips * escala_ / 15); }

Dialog1::Dialog1(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), escala_(Diseno::crecimientoDe(parent))
{
    setObjectName(QStringLiteral("Dialog1"));
    setFixedSize(px(5595), px(2970));
    Ventanas::FondoAzul(this);

    auto* tira = new QLabel(this);
    tira->setObjectName(QStringLiteral("Tira1"));
    tira->setPixmap(Arte::Tira(escala_));
    tira->setGeometry(0, px(60), qRound(370 * escala_), qRound(9 * escala_));
    auto* tiraAbajo = new QLabel(this);
    tiraAbajo->setObjectName(QStringLiteral("Image2"));
    tiraAbajo->setPixmap(Arte::Tira(escala_));
    tiraAbajo->setGeometry(0, px(2760), qRound(370 * escala_), qRound(9 * escala_));

    for (int i = 0; i < 4; ++i) {
        auto* cara = new QLabel(this);
        cara->setObjectName(QStringLiteral("Image1_%1").arg(i));
        cara->setPixmap(Arte::Carita(Arte::Cara(i), escala_));
        cara->setGeometry(px(2560), px(240), qRound(32 * escala_), qRound(32 * escala_));
        caras_[size_t(i)] = cara;
    }

    mensaje_ = new QLabel(this);
    mensaje_->setObjectName(QStringLiteral("Label1"));
    mensaje_->setWordWrap(true);
    mensaje_->setTextFormat(Qt::PlainText);  // the message holds a player's name as typed
    mensaje_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    mensaje_->setFont(Ventanas::Fuente(QStringLiteral("Arial"), 9.75 * escala_));
    mensaje_->setStyleSheet(QStringLiteral("color: rgb(255,204,48); background: transparent;"));
    mensaje_->setCursor(Qt::ArrowCursor);
    mensaje_->move(px(660), px(900));
    mensaje_->resize(px(kAnchoMensaje), 0);

    auto* cerrar = new BotonImagen(Arte::BotonCerrar(escala_), this);
    cerrar->setObjectName(QStringLiteral("Image3"));
    cerrar->move(px(4140), px(2340));
    cerrar->setToolTip(QStringLiteral("cerrar diálogo"));
    cerrar->setAccessibleName(QStringLiteral("Cerrar"));
    connect(cerrar, &BotonImagen::clicked, this, &QDialog::accept);

    auto* arrastre = new Arrastre(this);
    arrastre->agrega(this, true);
    arrastre->agrega(mensaje_, false);

    Prepara(QString(), 0);
}

void Dialog1::Prepara(const QString& msj, qint32 carita)
{
    mensaje_->setText(msj);
    // The label keeps its width and grows downwards to hold every line.
    const int ancho = px(kAnchoMensaje);
    mensaje_->resize(ancho, mensaje_->heightForWidth(ancho));
    const int elegida = qBound(0, int(carita), 3);
    for (int i = 0; i < 4; ++i)
        caras_[size_t(i)]->setVisible(i == elegida);
    caras_[size_t(elegida)]->raise();
}

qint32 Dialog1::CaritaVisible() const
{
    for (int i = 0; i < 4; ++i)
        if (!caras_[size_t(i)]->isHidden())
            return i;
    return -1;
}

void Dialog1::Muestra(const QString& msj, qint32 carita)
{
    Prepara(msj, carita);
    exec();
}

void Dialog1::showEvent(QShowEvent* e)
{
    Ventanas::CentraSobrePadre(this);
    QDialog::showEvent(e);
}

void Dialog1::keyPressEvent(QKeyEvent* e)
{
    // Enter closes; every other key, Escape included, does nothing.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        accept();
    e->accept();
}

void Dialog1::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    QPainter p(this);
    Ventanas::MarcoDorado(p, rect());
}
