#include "ElementosTablero.h"

#include "Archivos.h"
#include "BolsaPropiedades.h"
#include "BotonImagen.h"
#include "Comod.h"
#include "CronovaTimer.h"
#include "EtiquetaNombre.h"
#include "FabricaControles.h"
#include "LugarTarjeta.h"
#include "PuntajePuntos.h"
#include "Resp.h"
#include "TarjetaVerso.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <functional>

namespace {
using namespace Diseno;

QRect rectDiseno(int x, int y, int w, int h) { return {pixeles(x), pixeles(y), pixeles(w), pixeles(h)}; }

EtiquetaNombre* etiqueta(QWidget* padre, const QString& texto, const char* color, QRect r, const QFont& f)
{
    auto* l = new EtiquetaNombre(texto, padre);  // a name too long for its place ends in "…"
    l->setStyleSheet(QStringLiteral("color:%1;background:transparent").arg(QLatin1String(color)));
    l->setFont(f);
    l->setGeometry(r);
    return l;
}

// A picture from the board's own resources, standing in until the first
// layout reads the files beside the program, and kept where they are missing.
QPixmap imagenDiseno(Imagen i, QSize tam)
{
    QPixmap p(recursoDiseno(i));
    if (p.isNull()) {
        p = QPixmap(tam);
        p.fill(Qt::transparent);
    }
    return p;
}

// The picture of the set drawn nearest below the size wanted (device pixels
// per picture pixel), falling back to smaller drawings and at last to the
// set's own file; null when none can be read. Shown at the board's growth
// at most, sharp on a dense screen where a drawing large enough exists.
QPixmap imagenDelJuego(Imagen i, bool grande, double crece, double dpr)
{
    const auto& pasos = pasosImagen();
    for (int k = int(pasos.size()) - 1; k >= -1; --k) {
        const int paso = k < 0 ? 100 : pasos[size_t(k)];
        if (paso > pasoPara(crece * dpr))
            continue;
        QPixmap p(RutaPrograma(archivoImagen(i, grande, paso)));
        if (p.isNull())
            continue;
        p.setDevicePixelRatio(qMax(1.0, paso / (100.0 * crece)));
        return p;
    }
    return {};
}

const char* const kAmbar = "#ffcc30";

// Calls back when a watched element shows or hides, as far as its parent goes
// (so also while the board itself is not up).
class Vigia : public QObject {
public:
    Vigia(QObject* padre, std::function<void()> avisar) : QObject(padre), avisar_(std::move(avisar)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent)
            avisar_();
        return false;
    }

private:
    std::function<void()> avisar_;
};
}  // namespace

// The resources live in a static library: pull them in explicitly.
static void iniciarRecursos() { Q_INIT_RESOURCE(tablero); }

ElementosTablero::ElementosTablero(QWidget* t) : tablero_(t)
{
    iniciarRecursos();
    Borde = new QFrame(t);
    Borde->setObjectName(QStringLiteral("Borde"));
    Borde->setStyleSheet(QStringLiteral("QFrame#Borde{background:#000080;border:1px solid #ffcc30}"));
    Borde->setGeometry(rectDiseno(0, 0, 10710, 7620));

    Image1 = new QLabel(t);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setGeometry(rectDiseno(60, 60, 2655, 3735));
    Image1->setPixmap(imagenDiseno(ImgCent, {177, 249}));
    Image1->resize(Image1->pixmap().size());

    Label2 = new QLabel(QStringLiteral("123"), t);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setStyleSheet(QStringLiteral("background:#555555;color:white"));
    Label2->setGeometry(rectDiseno(60, 60, 615, 255));
    Label2->hide();

    lblJugador = etiqueta(t, QString(), kAmbar, rectDiseno(2820, 60, 3390, 465), fuente(18, false));
    txtPregunta = etiqueta(t, QString(), "white", rectDiseno(2820, 660, 6195, 2760), fuente(18, true));
    txtPregunta->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    txtPregunta->setWordWrap(true);

    cmdIniciar = new BotonImagen(QStringLiteral("Haz clic para empezar a jugar"), {211, 40}, t);
    cmdIniciar->move(pixeles(4200), pixeles(1800));
    cmdIniciar->ponerImagen(imagenDiseno(ImgInic, {211, 40}));
    cmdOpciones = new BotonImagen(QStringLiteral("aparece diálogo de opciones del juego"), {140, 25}, t);
    cmdOpciones->move(pixeles(6900), pixeles(120));
    cmdOpciones->ponerImagen(imagenDiseno(ImgOpci, {140, 25}));

    Puntos1 = new Puntaje::Puntos(t);
    Puntos1->setGeometry(rectDiseno(9090, 60, 1815, 4275));

    static const char* const letras[4] = {"A", "B", "C", "D"};
    static const QRect cajas[4] = {rectDiseno(240, 4560, 4875, 1575), rectDiseno(5520, 4560, 4875, 1575),
                                   rectDiseno(240, 5640, 4875, 1575), rectDiseno(5520, 5640, 4875, 1575)};
    for (size_t k = 0; k < 4; ++k) {
        auto* r = qobject_cast<Resp*>(CrearControl(QStringLiteral("Respuesta.Resp"), t));
        Resp1[k] = r;
        BolsaPropiedades diseno;
        diseno.escribir(QStringLiteral("Enabled"), false, true);
        diseno.escribir(QStringLiteral("Letter"), QString::fromLatin1(letras[k]), QStringLiteral("A"));
        r->ReadProperties(diseno);
        r->setGeometry(cajas[k]);
    }

    comod = qobject_cast<Comod*>(CrearControl(QStringLiteral("Comodines.Comod"), t));
    BolsaPropiedades disenoComod;
    disenoComod.escribir(QStringLiteral("Enabled"), false, true);
    comod->ReadProperties(disenoComod);
    comod->setGeometry(rectDiseno(120, 3840, 2355, 795));

    Timer1 = new Cronova::Timer(t);
    Timer1->setGeometry(rectDiseno(4508, 3450, 1695, 975));
    Timer1->hide();

    znBot = new QWidget(t);
    znBot->setGeometry(rectDiseno(60, 6930, 10590, 600));
    znBot->setEnabled(false);

    lblNextPlayer = etiqueta(znBot, QStringLiteral("Next Player"), kAmbar, rectDiseno(4380, 90, 3210, 465),
                             fuente(18, false));
    lblNextPlayer->hide();
    cmdResponder = new BotonImagen(QStringLiteral("haz clic para responder"), {245, 40}, znBot);
    cmdResponder->ponerImagen(imagenDiseno(ImgResp, {245, 40}));
    cmdResponder->hide();
    cmdSigPreg = new BotonImagen(QStringLiteral("haz clic para pasar a la siguiente pregunta"), {288, 40}, znBot);
    cmdSigPreg->ponerImagen(imagenDiseno(ImgSigu, {288, 40}));
    cmdSigPreg->hide();
    cmdRetira = new BotonImagen(QStringLiteral("haz clic para retirarte con lo ganado"), {186, 40}, znBot);
    cmdRetira->move(pixeles(7800), 0);
    cmdRetira->ponerImagen(imagenDiseno(ImgReti, {186, 40}));
    cmdRetira->hide();

    // A long name runs on into the empty row beside it.
    lblJugador->setVecinos({cmdOpciones, Puntos1});
    lblNextPlayer->setVecinos({cmdRetira});

    tarjeta = new TarjetaVerso(t);
    auto* vigia = new Vigia(tarjeta, [this] { ColocarTarjeta(); });
    QObject::connect(tarjeta, &TarjetaVerso::quiereLugar, tarjeta, [this] { ColocarTarjeta(); });
    // The bottom strip and the countdown's box count whole, whatever shows in them.
    for (QWidget* w : std::initializer_list<QWidget*>{cmdIniciar, cmdOpciones, Label2})
        w->installEventFilter(vigia);
}

void ElementosTablero::ColocarTarjeta()
{
    if (!tarjeta->Activa())
        return;  // placed when it is next shown
    auto enTablero = [this](const QWidget* w, QRect r) { return r.translated(w->mapTo(tablero_, QPoint(0, 0))); };
    // The countdown's box counts though it is away whenever the card is up.
    QList<QRect> ocupados{enTablero(lblJugador, lblJugador->rect()), enTablero(Puntos1, Puntos1->rect()),
                          enTablero(Timer1, Timer1->rect()), enTablero(comod, comod->cajaImagenes()),
                          enTablero(znBot, znBot->rect())};
    for (const Resp* r : Resp1)
        ocupados << enTablero(r, r->cajaArte());
    for (const QWidget* w : std::initializer_list<const QWidget*>{cmdIniciar, cmdOpciones, Label2})
        if (w->isVisibleTo(tablero_))
            ocupados << enTablero(w, w->rect());
    const QRect centro(Image1->pos(), Image1->pixmap().deviceIndependentSize().toSize().boundedTo(Image1->size()));
    const QRect pregunta = TextoPregunta();
    QList<QRect> mejorLibres{centro};
    if (!pregunta.isEmpty())
        mejorLibres.prepend(pregunta);  // the question beside its verse, where there is room
    tarjeta->Colocar(lugarTarjeta(tablero_->rect(), ocupados, mejorLibres, tarjeta->Minimo()), pregunta);
}

QRect ElementosTablero::TextoPregunta() const
{
    const QString texto = txtPregunta->text().trimmed();
    if (texto.isEmpty() || !txtPregunta->isVisibleTo(tablero_))
        return {};
    const QRect caja = txtPregunta->contentsRect();
    const QRect usado = txtPregunta->fontMetrics().boundingRect(caja, int(txtPregunta->alignment()) | Qt::TextWordWrap, texto);
    return usado.intersected(caja).translated(txtPregunta->pos());
}

QWidget* ElementosTablero::elemento(Elemento e) const
{
    switch (e) {
    case EBorde: return Borde;
    case EImage1: return Image1;
    case ELblJugador: return lblJugador;
    case ETxtPregunta: return txtPregunta;
    case ECmdIniciar: return cmdIniciar;
    case ECmdOpciones: return cmdOpciones;
    case EPuntos1: return Puntos1;
    case EResp0: return Resp1[0];
    case EResp1: return Resp1[1];
    case EResp2: return Resp1[2];
    case EResp3: return Resp1[3];
    case EComod: return comod;
    case EZnBot: return znBot;
    case ELblNextPlayer: return lblNextPlayer;
    case ECmdRetira: return cmdRetira;
    case ETimer1: return Timer1;
    case NumElementos: break;
    }
    return nullptr;
}

void ElementosTablero::cargarImagenes(bool grande, double crece)
{
    const double dpr = tablero_->devicePixelRatioF();
    BotonImagen* botones[] = {cmdIniciar, cmdOpciones, cmdResponder, cmdRetira, cmdSigPreg};
    const Imagen archivos[] = {ImgInic, ImgOpci, ImgResp, ImgReti, ImgSigu};
    for (size_t i = 0; i < 5; ++i)
        botones[i]->ponerImagen(imagenDelJuego(archivos[i], grande, crece, dpr));
    const QPixmap centro = imagenDelJuego(ImgCent, grande, crece, dpr);
    if (!centro.isNull()) {
        Image1->setPixmap(centro);
        Image1->resize(centro.deviceIndependentSize().toSize());
    }
}

void ElementosTablero::fijarFuentes(bool grande, double crece)
{
    const Fuentes f = fuentes(grande);
    auto tamano = [crece](QLabel* l, int puntos) {
        QFont fuente = l->font();
        if (crece > 1.0)
            fuente.setPointSizeF(puntos * crece);
        else
            fuente.setPointSize(puntos);
        l->setFont(fuente);
    };
    tamano(txtPregunta, f.pregunta);
    tamano(lblNextPlayer, f.siguiente);
    tamano(lblJugador, f.jugador);
}

void ElementosTablero::Aplicar(int anchoTwips, int altoTwips)
{
    const bool grande = juegoGrande(anchoTwips);
    const float SW = float(anchoTwips);
    const float SH = float(altoTwips);
    const double crece = crecimiento(SW, SH);
    cargarImagenes(grande, crece);
    fijarFuentes(grande, crece);
    // Set before the placing, so each control lays itself out at its new size once.
    for (Resp* r : Resp1)
        r->setEscala(escalaRespuestas(SW, SH));
    comod->setEscala(escalaComodines(SW, SH));
    for (const Fila& f : tabla())
        Coloca(elemento(f.elemento), f.x, f.y, f.w, f.h, SW, SH);
    // The ladder keeps its design height up to twice the design, then grows;
    // on a board lower than the design it ends above the answers instead of
    // running into B's bar.
    const int sobreRespuestas = Resp1[1]->y() - Puntos1->y() - Holgura;
    Puntos1->resize(Puntos1->width(), qMax(0, qMin(pixeles(float(4275 * crece)), sobreRespuestas)));
    lblJugador->Colocado();
    lblNextPlayer->Colocado();
    tarjeta->setLetra(grande, crece);
    ColocarTarjeta();
}
