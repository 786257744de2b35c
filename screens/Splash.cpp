#include "Splash.h"

#include "Archivos.h"
#include "Ventanas.h"

#include <QLabel>
#include <QScreen>

namespace {
constexpr int px(int twips) { return twips / 15; }
// Without its logo the window keeps a size that still holds the status line.
constexpr QSize kSinLogo(480, 320);
}

Splash::Splash(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Splash"));
    setModal(true);
    Ventanas::FondoAzul(this);

    image1_ = new QLabel(this);
    const QPixmap logo(RutaPrograma(QStringLiteral("/Imágenes/Logo.jpg")));
    image1_->setPixmap(logo);
    // The logo fills the window: the window takes the picture's size.
    const QSize tam = logo.isNull() ? kSinLogo : logo.size();
    // The strips the logo's offset leaves uncovered take its edge colour.
    if (!logo.isNull()) {
        QPalette fondo = palette();
        fondo.setColor(QPalette::Window, logo.toImage().pixelColor(0, 0));
        setPalette(fondo);
    }
    image1_->setGeometry(QRect(QPoint(px(60), px(150)), tam));
    setFixedSize(tam);

    label3_ = new QLabel(this);
    label3_->setFont(Ventanas::Fuente(QStringLiteral("Arial Black"), 12, true));
    QPalette pal = label3_->palette();
    pal.setColor(QPalette::WindowText, QColor(255, 255, 0));
    label3_->setPalette(pal);
    label3_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int ancho = px(5355), alto = px(555);
    label3_->setGeometry(tam.width() - ancho - px(180), tam.height() - alto - px(90), ancho, alto);
    // Seen from the first moment, not only after the first tick.
    label3_->setText(QStringLiteral("Guardando base de preguntas..."));

    timer_.setInterval(Intervalo);
    connect(&timer_, &QTimer::timeout, this, &Splash::Timer1_Timer);
    timer_.start();
}

void Splash::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // Centred on the screen: the board behind it is already hidden.
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void Splash::Timer1_Timer()
{
    switch (contador_++) {
    case 0:
        label3_->setText(QStringLiteral("Guardando base de preguntas..."));
        break;
    case 1:
        label3_->setText(QStringLiteral("Cerrando el programa..."));
        break;
    default:
        timer_.stop();
        accept();
        break;
    }
}
