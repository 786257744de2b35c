#include "Portada.h"

#include "Archivos.h"
#include "Ayuda.h"
#include "Azar.h"
#include "Ventanas.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int px(int twips) { return twips / 15; }

// Left, top, width, height of the six pictures, in twips; the files show at
// their natural size, these sizes serve only while a file is missing. Every
// scene ends above the title's word (drawn from 297 px down): the ark, the
// tablets and the boat stood over it once.
constexpr int kCajas[7][4] = {
    {0, 0, 0, 0},
    {60, 600, 1410, 2445},
    {1440, 600, 2205, 2910},
    {3540, 660, 3060, 2370},
    {4080, 1560, 2535, 2700},
    {3240, 2250, 2550, 1950},
    {180, 720, 2580, 3540},
};
}

Portada::Portada(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Portada"));
    setFixedSize(px(6750), px(6720));
    Ventanas::FondoAzul(this);
    setAttribute(Qt::WA_QuitOnClose, false);  // the board decides when the program ends

    for (int k = 1; k <= 6; ++k) {
        auto* l = new QLabel(this);
        l->setGeometry(px(kCajas[k][0]), px(kCajas[k][1]), px(kCajas[k][2]), px(kCajas[k][3]));
        l->hide();
        l->installEventFilter(this);
        image1_[size_t(k)] = l;
    }
    image2_[0] = new QLabel(this);
    image2_[0]->setGeometry(px(60), px(60), 301, 39);
    image2_[1] = new QLabel(this);
    image2_[1]->setGeometry(px(352), px(4320), 406, 48);

    label3_ = new QLabel(QStringLiteral("Espera un momento..."), this);
    label3_->setGeometry(px(3300), px(3060), px(2655), px(285));
    label3_->setFont(Ventanas::Fuente(QStringLiteral("Tahoma"), 8.25, false));
    QPalette pal = label3_->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label3_->setPalette(pal);

    // Stacked as the window lists them: the six pictures in front of the
    // title and the label, so a picture of another size dropped in is still
    // shown whole (the label is gone before the first scene shows).
    for (int k = 1; k <= 6; ++k)
        image1_[size_t(k)]->raise();

    timer_.setInterval(Intervalo);
    connect(&timer_, &QTimer::timeout, this, &Portada::Timer1_Timer);
}

QLabel* Portada::Image1(int k) const { return (k >= 1 && k <= 6) ? image1_[size_t(k)] : nullptr; }
QLabel* Portada::Image2(int k) const { return (k == 0 || k == 1) ? image2_[size_t(k)] : nullptr; }

bool Portada::Cargar(const std::function<bool()>& iniciar)
{
    Ayuda::FijarArchivo(RutaPrograma(QStringLiteral("\\Orvalia.html")));
    CargarImagenes();
    timer_.start();
    setCursor(Qt::WaitCursor);
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    show();
    // "Espera un momento..." is to be seen while the board loads.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
    Azar::global().sembrarReloj();
    // The timer keeps turning the pictures while the start routine runs (and
    // while its error box waits), but hands over only to a board that exists.
    iniciando_ = true;
    const bool listo = iniciar ? iniciar() : true;
    iniciando_ = false;
    if (!listo) {
        terminada_ = true;  // no board: nothing to hand over to, ever
        timer_.stop();
        close();
        return false;
    }
    if (aplazada_)
        Terminar();  // the twelfth tick (or a click) came while the board loaded
    return true;
}

void Portada::CargarImagenes()
{
    for (int k = 1; k <= 6; ++k) {
        const QPixmap p(RutaPrograma(QStringLiteral("\\Imágenes\\NP%1.jpg").arg(k)));
        if (p.isNull())
            continue;  // a missing picture leaves its place empty
        QLabel* l = image1_[size_t(k)];
        l->setPixmap(p);
        l->resize(p.size());
    }
}

void Portada::OcultarEspera()
{
    label3_->hide();
    unsetCursor();
}

void Portada::PonerTitulo(const QPixmap& titulo)
{
    image2_[0]->clear();
    image2_[1]->setPixmap(titulo);
    if (!titulo.isNull())
        image2_[1]->resize(titulo.size());
}

void Portada::Timer1_Timer()
{
    if (terminada_)
        return;
    image1_[size_t(indice_ == 0 ? 6 : indice_)]->hide();
    ++indice_;
    ++contador_;
    image1_[size_t(indice_)]->show();
    if (indice_ == 6)
        indice_ = 0;  // picture 6 stays until the next tick
    if (contador_ >= TicsHastaTablero)
        Terminar();
}

void Portada::Terminar()
{
    if (terminada_)
        return;
    timer_.stop();
    if (iniciando_) {
        aplazada_ = true;  // Cargar hands over once the start routine has made the board
        return;
    }
    terminada_ = true;
    if (mostrarTablero)
        mostrarTablero();
    close();
    emit terminada();
}

void Portada::mousePressEvent(QMouseEvent* e)
{
    // Only the background reaches here: the title and the label let clicks
    // through to nobody, the pictures are caught by the filter.
    if (e->button() == Qt::LeftButton && childAt(e->position().toPoint()) == nullptr)
        Terminar();
    else
        e->accept();
}

bool Portada::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        for (int k = 1; k <= 6; ++k)
            if (o == image1_[size_t(k)] && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
                Terminar();
                return true;
            }
    }
    return QWidget::eventFilter(o, e);
}

void Portada::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Ventanas::MarcoDorado(p, rect().adjusted(1, 1, 0, 0));
}

void Portada::closeEvent(QCloseEvent* e)
{
    // Closed by the window manager before its time, the title screen still
    // hands over: the program never runs on without a window.
    QWidget::closeEvent(e);
    Terminar();
}
