#include "VistaPrevia.h"

#include "Colores.h"
#include "DisenoTablero.h"
#include "Resp.h"

#include <QButtonGroup>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// The board's panel: dark blue with a gold outline, as `Borde` draws it.
class Tablero : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Colores::Azul);
        p.setPen(Colores::Oro);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// The whole board in the space there is: drawn smaller when that space is
// smaller (a laptop's screen), never larger than the players see it.
class VistaAjustada : public QGraphicsView {
public:
    VistaAjustada(QWidget* tablero, QWidget* parent) : QGraphicsView(parent)
    {
        auto* escena = new QGraphicsScene(this);
        escena->addWidget(tablero);
        escena->setSceneRect(QRectF(QPointF(0, 0), QSizeF(tablero->size())));
        setScene(escena);
        setAlignment(Qt::AlignCenter);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);
        // The window's own colour shows around the board.
        setBackgroundRole(QPalette::Window);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        setMinimumSize(80, 60);
    }
    double escala() const { return transform().m11(); }
    // Whatever space is left: it never asks the window for the board's own.
    QSize sizeHint() const override { return minimumSize(); }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QGraphicsView::resizeEvent(e);
        const QSizeF t = sceneRect().size();
        const double s = std::min({1.0, double(viewport()->width()) / t.width(), double(viewport()->height()) / t.height()});
        setTransform(QTransform::fromScale(s, s));
    }
};

const Diseno::Fila& fila(Diseno::Elemento e)
{
    for (const Diseno::Fila& f : Diseno::tabla())
        if (f.elemento == e)
            return f;
    Q_UNREACHABLE();
}

const char* const Letras[4] = {"A", "B", "C", "D"};

}  // namespace

QSize VistaPrevia::tamanoTablero(Tamano t)
{
    const int factor = t == Grande ? 2 : 1;
    return {Diseno::Ancho * factor, Diseno::Alto * factor};
}

// What "readable" means. On the small board a caption of 10 pt is 13 pixels
// at 96 dpi: the size desktops use for their own small print, and the least
// that bold Arial on a coloured bar can be read at by players sitting a few
// steps from a laptop. The bar starts at 14 pt, so that is some 70 % of its
// starting size; the large board, seen from farther away on a projector,
// keeps the same share of its 22 pt: 15 pt. Both limits fall at about the
// same answer, some 125 letters: a shorter answer shrinks, yet stays readable.
int VistaPrevia::puntosLegibles(Tamano t) { return t == Grande ? 15 : 10; }

VistaPrevia::VistaPrevia(QWidget* parent) : QWidget(parent)
{
    auto* chico = new QRadioButton(QStringLiteral("Tablero pequeño"), this);
    auto* grande = new QRadioButton(QStringLiteral("Tablero grande"), this);
    chico->setToolTip(QStringLiteral("El tablero a su tamaño de partida, como en una pantalla pequeña"));
    grande->setToolTip(QStringLiteral("El tablero a doble tamaño, como maximizado en un proyector"));
    chico->setChecked(true);
    botones_ = new QButtonGroup(this);
    botones_->addButton(chico, Chico);
    botones_->addButton(grande, Grande);
    connect(botones_, &QButtonGroup::idClicked, this, [this](int id) { setTamanoVisible(Tamano(id)); });

    auto* fila = new QHBoxLayout;
    fila->addWidget(chico);
    fila->addWidget(grande);
    fila->addStretch();

    pila_ = new QStackedWidget(this);
    for (Tamano t : {Chico, Grande}) {
        muestras_[t] = construir(t);
        pila_->addWidget(new VistaAjustada(muestras_[t].tablero, pila_));
    }

    lblAvisos_ = new QLabel(this);
    lblAvisos_->setWordWrap(true);
    lblAvisos_->setTextFormat(Qt::PlainText);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(fila);
    todo->addWidget(pila_, 1);
    todo->addWidget(lblAvisos_);
    revisar();
}

VistaPrevia::Muestra VistaPrevia::construir(Tamano t)
{
    using namespace Diseno;
    const QSize twips = tamanoTablero(t);
    const float SW = float(twips.width());
    const float SH = float(twips.height());
    Muestra m;
    m.tablero = new Tablero;
    m.tablero->setFixedSize(pixeles(twips.width()), pixeles(twips.height()));

    const Fila& f = fila(ETxtPregunta);
    m.pregunta = new QLabel(m.tablero);
    m.pregunta->setFont(fuente(fuentes(juegoGrande(twips.width())).pregunta, true));
    m.pregunta->setStyleSheet(QStringLiteral("color:white;background:transparent"));
    m.pregunta->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m.pregunta->setWordWrap(true);
    m.pregunta->setTextFormat(Qt::PlainText);
    Coloca(m.pregunta, f.x, f.y, f.w, f.h, SW, SH);

    const Elemento cajas[4] = {EResp0, EResp1, EResp2, EResp3};
    for (int i = 0; i < 4; ++i) {
        auto* r = new Resp(m.tablero);
        r->setLetter(QString::fromLatin1(Letras[i]));
        const Fila& c = fila(cajas[i]);
        Coloca(r, c.x, c.y, c.w, c.h, SW, SH);
        m.barras[size_t(i)] = r;
    }
    return m;
}

void VistaPrevia::setPregunta(const QString& texto)
{
    if (texto == pregunta_)
        return;
    pregunta_ = texto;
    for (Muestra& m : muestras_)
        m.pregunta->setText(texto);
}

QString VistaPrevia::respuesta(int i) const { return i >= 0 && i < 4 ? respuestas_[size_t(i)] : QString(); }

void VistaPrevia::setRespuesta(int i, const QString& texto)
{
    if (i < 0 || i > 3 || respuestas_[size_t(i)] == texto)
        return;
    respuestas_[size_t(i)] = texto;
    for (Muestra& m : muestras_)
        m.barras[size_t(i)]->setCaption(texto);
    revisar();
}

void VistaPrevia::setRespuestas(const std::array<QString, 4>& textos)
{
    for (int i = 0; i < 4; ++i)
        setRespuesta(i, textos[size_t(i)]);
}

void VistaPrevia::setCorrecta(int i)
{
    if (i < -1 || i > 3)
        i = -1;
    if (i == correcta_)
        return;
    correcta_ = i;
    for (Muestra& m : muestras_)
        for (int k = 0; k < 4; ++k)
            m.barras[size_t(k)]->setSituation(k == i ? 2 : 0);
}

void VistaPrevia::setTamanoVisible(Tamano t)
{
    if (t != Chico && t != Grande)
        return;
    botones_->button(t)->setChecked(true);
    if (t == visible_)
        return;
    visible_ = t;
    pila_->setCurrentIndex(t);
    emit tamanoVisibleCambiado(t);
}

int VistaPrevia::puntos(Tamano t, int i) const
{
    const Resp* r = barra(t, i);
    return r ? r->puntosCaption() : 0;
}

bool VistaPrevia::legible(Tamano t, int i) const
{
    const Resp* r = barra(t, i);
    return r && (r->Caption().trimmed().isEmpty() || r->puntosCaption() >= puntosLegibles(t));
}

const Resp* VistaPrevia::barra(Tamano t, int i) const
{
    if ((t != Chico && t != Grande) || i < 0 || i > 3)
        return nullptr;
    return muestras_[t].barras[size_t(i)];
}

QWidget* VistaPrevia::tablero(Tamano t) const
{
    return t == Chico || t == Grande ? muestras_[t].tablero : nullptr;
}

double VistaPrevia::escala(Tamano t) const
{
    return t == Chico || t == Grande ? static_cast<const VistaAjustada*>(pila_->widget(t))->escala() : 0.0;
}

void VistaPrevia::revisar()
{
    QStringList avisos;
    for (int i = 0; i < 4; ++i) {
        QStringList donde;
        if (!legible(Chico, i))
            donde << QStringLiteral("a %1 puntos en el tablero pequeño").arg(puntos(Chico, i));
        if (!legible(Grande, i))
            donde << (donde.isEmpty() ? QStringLiteral("a %1 puntos en el tablero grande")
                                      : QStringLiteral("a %1 en el grande"))
                         .arg(puntos(Grande, i));
        if (!donde.isEmpty())
            avisos << QStringLiteral("La respuesta %1 tiene que encogerse %2: se leerá mal. Acórtala.")
                          .arg(QLatin1String(Letras[i]), donde.join(QStringLiteral(" y ")));
    }
    lblAvisos_->setText(avisos.isEmpty()
                            ? QStringLiteral("Las cuatro respuestas se leen bien en los dos tamaños del tablero.")
                            : avisos.join(QLatin1Char('\n')));
    if (avisos == avisos_)
        return;
    avisos_ = avisos;
    emit avisosCambiados(avisos_);
}
