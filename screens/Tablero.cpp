#include "Tablero.h"

#include "AccesibleTablero.h"
#include "Almacen.h"
#include "Archivos.h"
#include "Arranque.h"
#include "Azar.h"
#include "BotonImagen.h"
#include "Citas.h"
#include "CodigoTecla.h"
#include "Comod.h"
#include "Comodines.h"
#include "CronovaTimer.h"
#include "Desenlaces.h"
#include "Dialog1.h"
#include "ElementosTablero.h"
#include "EncuestaEnSala.h"
#include "Estadisticas.h"
#include "Marcas.h"
#include "Modulo.h"
#include "Posiciones.h"
#include "Pregunta.h"
#include "PuntajePuntos.h"
#include "ReproductorQt.h"
#include "Resp.h"
#include "Sonido.h"
#include "TarjetaVerso.h"
#include "Turno.h"
#include "Ubicaciones.h"
#include "Versiculo.h"
#include "Ventanas.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

Tablero::Tablero(Modulo& m, Almacen& a, Dependencias d, QWidget* parent)
    : QWidget(parent), m_(m), a_(a), el_(std::make_unique<ElementosTablero>(this)),
      mp1_(d.mp1 ? d.mp1 : new ReproductorQt(this)), mp2_(d.mp2 ? d.mp2 : new ReproductorQt(this)),
      sonido_(new Sonido(m, *mp1_, *mp2_, this)), carpetaBase_(d.carpetaBase), sala_(d.publico)
{
    setObjectName(QStringLiteral("Tablero"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("Tablero{background:#000080}"));
    resize(Diseno::Ancho / Diseno::TwipsPorPixel, Diseno::Alto / Diseno::TwipsPorPixel);
    HacerAccesible(*el_);

    connect(el_->cmdIniciar, &BotonImagen::clicked, this, &Tablero::cmdIniciar_Click);
    connect(el_->cmdResponder, &BotonImagen::clicked, this, [this] {
        if (Turno::PuedeResponder(elegida_))
            Confirmar();
    });
    connect(el_->cmdSigPreg, &BotonImagen::clicked, this, &Tablero::cmdSigPreg_Click);
    connect(el_->cmdRetira, &BotonImagen::clicked, this, &Tablero::cmdRetira_Click);
    connect(el_->cmdOpciones, &BotonImagen::clicked, this, &Tablero::cmdOpciones_Click);
    for (int k = 0; k < 4; ++k)
        connect(el_->Resp1[size_t(k)], &Resp::Click, this, [this, k] { Resp1_Click(k); });
    connect(el_->comod, &Comod::Click, this, &Tablero::Comod_Click);
    connect(el_->Timer1, &Cronova::Timer::Expira, this, [this] {
        // Only an open question can run out of time; a stray expiry after
        // the question closed must not judge it a second time.
        if (el_->Resp1[0]->isEnabled())
            Confirmar();
    });

    // The board sees every key first, whatever element has the focus.
    qApp->installEventFilter(this);
}

Tablero::~Tablero()
{
    if (est_)
        delete est_.data();
}

Cronova::Timer& Tablero::timer() { return *el_->Timer1; }

Estadisticas* Tablero::estadisticas() const { return est_.data(); }

bool Tablero::InicioVisible() const { return !el_->cmdIniciar->isHidden(); }

bool Tablero::Cargar()
{
    sonido_->IniciaMusica();
    Toca(0);
    const RutasBase rutas = carpetaBase_.isEmpty() ? Ubicaciones::RutasDelJugador() : RutasBase::En(carpetaBase_);
    qtn_ = Pregunta::Crear(rutas);
    if (!qtn_) {
        descargado_ = true;  // nothing is to be written on the way out
        return false;
    }
    timer().setTiempoLimite(m_.segundosPregunta());
    el_->tarjeta->setCitas(Citas::DeLaBase(rutas));  // none: no card, the game goes on
    // A copy that cannot save leaves the first run to the one that can. A
    // base that holds counts has been played already, whatever the settings
    // say (lost or reset, or a stick another computer played): the
    // reshuffle would wipe them.
    if (qtn_->Guarda() && PrimeraVezConfirmada(a_) && qtn_->SinPreguntar())
        qtn_->InicializarBase();
    emit cargado();
    m_.JugadorActual = 0;
    el_->lblJugador->setText(m_.Jugadores[0].Nombre);
    cargadoOk_ = true;
    return true;
}

void Tablero::Toca(qint32 snd)
{
    emit tocado(snd);
    sonido_->Toca(snd);
}

void Tablero::Activado()
{
    if (const Jugador* j = m_.jugador(m_.JugadorActual))
        el_->lblJugador->setText(j->Nombre);
}

Estadisticas& Tablero::CargarEstadisticas()
{
    if (!est_) {
        est_ = new Estadisticas(this);
        connect(est_.data(), &Estadisticas::Tecla, this, [this](int codigo, int mayus) {
            activateWindow();
            setFocus();
            Form_KeyDown(codigo, mayus);
        });
    }
    return *est_;
}

void Tablero::CerrarEstadisticas()
{
    if (!est_)
        return;
    est_->hide();
    est_->deleteLater();  // it may be the one that sent the key
    est_ = nullptr;
}

void Tablero::Redimensiona()
{
    const int sw = isMinimized() ? 0 : width() * Diseno::TwipsPorPixel;
    const int sh = isMinimized() ? 0 : height() * Diseno::TwipsPorPixel;
    el_->Aplicar(sw, sh);
}

void Tablero::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Redimensiona();
}

void Tablero::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange)
        Redimensiona();  // minimised (0 × 0) and restored without a resize of their own
    else if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Activado();
}

void Tablero::closeEvent(QCloseEvent* e)
{
    e->accept();
    if (descargado_)
        return;
    descargado_ = true;
    // A question left open stops first: its countdown must not judge it once
    // the bank is gone, nor bring a message up over the closing screen.
    TerminaPregunta();
    CerrarEstadisticas();
    Ventanas::CierraLasDemas(this);
    hide();
    if (qtn_) {
        qtn_->Reiniciar();
        qtn_.reset();
    }
    if (mostrarCierre)
        mostrarCierre();
    a_.escribir(QString::fromLatin1(Claves::Inicio), QStringLiteral("Actual"), QString::number(m_.Actual));
    a_.sincronizar();
}

bool Tablero::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::KeyPress || !o->isWidgetType() || static_cast<QWidget*>(o)->window() != this)
        return QWidget::eventFilter(o, e);
    auto* k = static_cast<QKeyEvent*>(e);
    const int codigo = codigoTecla(k);
    if (codigo == 0)
        return false;
    Form_KeyDown(codigo, estadoMayusculas(k->modifiers()));
    return true;
}

void Tablero::Form_KeyDown(int KeyCode, int Shift)
{
    auto visible = [](const QWidget* w) { return !w->isHidden(); };
    switch (KeyCode) {
    case 65: case 66: case 67: case 68:
        if (el_->Resp1[0]->isEnabled())
            Resp1_Click(KeyCode - 65);
        return;
    case 69: case 78: case 81:
        el_->comod->KeyPress(qint16(KeyCode));
        return;
    case 82:
        if (visible(el_->cmdResponder))
            Confirmar();
        return;
    case 83:
        if (visible(el_->cmdSigPreg))
            cmdSigPreg_Click();
        return;
    case 84:
        if (visible(el_->cmdRetira))
            cmdRetira_Click();
        return;
    case 13:
        if (visible(el_->cmdIniciar))
            cmdIniciar_Click();
        else if (visible(el_->cmdSigPreg))
            cmdSigPreg_Click();
        else if (visible(el_->cmdResponder))
            Confirmar();
        return;
    case 115:
        if (Shift == 4)
            close();
        return;
    case 86:
        if (Shift == 4)
            el_->Label2->setVisible(el_->Label2->isHidden());
        return;
    case 123:
        if (visible(el_->cmdOpciones))
            cmdOpciones_Click();
        return;
    default:
        return;
    }
}

// ---- Turn cycle ---------------------------------------------------------

void Tablero::cmdIniciar_Click()
{
    nivel_ = Turno::Inicia(m_);
    el_->cmdIniciar->hide();
    MuestraPregunta();
}

void Tablero::MuestraPregunta()
{
    el_->tarjeta->Quitar();
    for (Resp* r : el_->Resp1)
        r->setEnabled(true);
    el_->znBot->setEnabled(true);
    el_->comod->setEnabled(true);
    el_->cmdOpciones->hide();
    el_->lblJugador->setText(m_.actual().Nombre);
    el_->comod->setSituation(m_.actual().EstadoComodines);
    timer().Reinicia();
    el_->Puntos1->setNivelActual(m_.actual().Escalon);
    qtn_->PreguntaNueva(nivel_);
    el_->txtPregunta->setText(qtn_->Enunciado());
    el_->Label2->setText(QString::number(qtn_->ID()));
    AplicarMarcas(MarcarRespuestas(-1, 0, -1, 0));
    for (size_t k = 0; k < 4; ++k)
        el_->Resp1[k]->setCaption(qtn_->Respuesta(qint16(k)));
    elegida_ = -1;
    el_->cmdResponder->hide();  // nothing marked yet, also after a skip
    el_->cmdSigPreg->hide();
    el_->cmdRetira->show();
    Toca(7);
    el_->Timer1->show();
    timer().Arranca();
    qtn_->SePreguntó();
    sala_.Abierta(m_, *qtn_, timer().Restante());
}

void Tablero::AplicarMarcas(const Marcas& marcas)
{
    for (size_t k = 0; k < 4; ++k) {
        el_->Resp1[k]->setSituation(marcas.situacion[k]);
        if (marcas.mostrarTodas)
            el_->Resp1[k]->show();
    }
}

void Tablero::Resp1_Click(int i)
{
    elegida_ = qint16(i);
    AplicarMarcas(MarcarRespuestas(elegida_, 1, -1, 0));
    el_->cmdResponder->show();
}

void Tablero::Confirmar()
{
    CerrarEstadisticas();
    el_->comod->setEnabled(false);
    TerminaPregunta();
    sala_.Juzgada(qtn_->Correcta(), elegida_);
    const bool acierto = qtn_->Correcta() == elegida_;
    if (Versiculo::Mostrar(m_, acierto ? Versiculo::Cierre::Acierto : Versiculo::Cierre::Fallo))
        el_->tarjeta->Mostrar(qtn_->ID());
    if (acierto)
        Acierto();
    else
        Fallo();
    Siguiente();
}

void Tablero::TerminaPregunta()
{
    for (Resp* r : el_->Resp1)
        r->setEnabled(false);
    timer().Detiene();
    el_->Timer1->hide();
    el_->cmdOpciones->show();
    el_->cmdResponder->hide();
    el_->cmdRetira->hide();
}

void Tablero::Acierto()
{
    Toca(2);
    AplicarMarcas(MarcarRespuestas(elegida_, 2, -1, 0));
    if (m_.actual().Escalon == 15) {
        Gana();
        m_.actual().EnJuego = false;
    }
}

void Tablero::Fallo()
{
    m_.actual().EnJuego = false;
    Toca(3);
    AplicarMarcas(MarcarRespuestas(qtn_->Correcta(), 2, elegida_, 3));
    Pierde(m_.actual().Escalon);
}

void Tablero::Pierde(qint16 s)
{
    const auto r = Desenlace::Pierde(el_->lblJugador->text(), s);
    m_.actual().Escalon = r.escalon;
    Muestra(r.mensaje, Desenlace::CaraPierde);
}

void Tablero::Gana()
{
    const auto r = Desenlace::Gana(el_->lblJugador->text());
    Toca(4);
    m_.actual().Escalon = r.escalon;
    Muestra(r.mensaje, Desenlace::CaraGana);
}

void Tablero::Muestra(const QString& msj, qint32 carita)
{
    emit mensaje(msj, carita);
    Dialog1 d(this);
    d.Muestra(msj, carita);
}

void Tablero::cmdSigPreg_Click()
{
    nivel_ = Turno::SiguientePregunta(m_);
    el_->lblNextPlayer->hide();
    MuestraPregunta();
}

void Tablero::Siguiente()
{
    sala_.Siguiente(m_);
    switch (Turno::Siguiente(m_)) {
    case Turno::Tras::OtroJugador: {
        const Turno::Avance avance = Turno::SiguienteJugador(m_);
        if (avance.posiciones) {
            MostrarPosiciones();
            ReiniciarJugadores(m_, a_);
        }
        Turno::TerminaSiguienteJugador(m_, avance);
        PreparaTablero();
        break;
    }
    case Turno::Tras::PreguntaYa:
        cmdSigPreg_Click();
        break;
    case Turno::Tras::BotonSiguiente:
        el_->cmdSigPreg->show();
        break;
    case Turno::Tras::TurnoDe:
        el_->cmdSigPreg->show();
        el_->lblNextPlayer->setText(m_.actual().Nombre);
        el_->lblNextPlayer->show();
        break;
    case Turno::Tras::FinDePartida:
        if (m_.TotalJugadores > 1)
            MostrarPosiciones();
        ReiniciarJugadores(m_, a_);
        m_.JugadorActual = 0;
        PreparaTablero();
        break;
    }
}

void Tablero::MostrarPosiciones()
{
    emit posiciones();
    sala_.Posiciones(m_);
    Posiciones p(m_, [this](qint32 snd) { Toca(snd); }, this);
    p.exec();
}

void Tablero::PreparaTablero()
{
    el_->cmdIniciar->show();
    el_->cmdResponder->hide();
    el_->cmdRetira->hide();
    for (Resp* r : el_->Resp1)
        r->setEnabled(false);
    el_->txtPregunta->setText(QString(20, QLatin1Char(' ')));
    el_->ColocarTarjeta();  // the question it kept clear of is gone
    for (Resp* r : el_->Resp1) {
        r->show();
        r->setSituation(0);
        r->setCaption(QString());
    }
    el_->Puntos1->setNivelActual(0);
    el_->lblJugador->setText(m_.actual().Nombre);
}

void Tablero::cmdRetira_Click()
{
    CerrarEstadisticas();
    Toca(5);
    TerminaPregunta();
    el_->comod->setEnabled(false);
    const qint16 correcta = qtn_->Correcta();
    AplicarMarcas(Desenlace::MarcasRetiro(elegida_, correcta));
    sala_.Juzgada(correcta, elegida_, true);
    if (Versiculo::Mostrar(m_, Versiculo::Cierre::Retiro))
        el_->tarjeta->Mostrar(qtn_->ID());
    const auto r = Desenlace::Retiro(el_->lblJugador->text(), m_.actual().Escalon, elegida_, correcta,
                                     el_->Puntos1->PuntosGanados());
    m_.actual().Escalon = r.escalon;
    Muestra(r.mensaje, Desenlace::CaraRetiro);
    m_.actual().EnJuego = false;
    Siguiente();
}

void Tablero::cmdOpciones_Click()
{
    if (mostrarOpciones)
        mostrarOpciones();
}

// ---- Lifelines ------------------------------------------------------------

void Tablero::Comod_Click(qint16 comodin)
{
    m_.actual().EstadoComodines = el_->comod->Situation();
    switch (comodin) {
    case Comodines::Encuesta: VerEstadisticas(); break;
    case Comodines::Salto: SaltaPregunta(); break;
    case Comodines::Quita: QuitaDos(); break;
    default: break;
    }
}

void Tablero::VerEstadisticas()
{
    timer().Arranca();
    Toca(7);
    Estadisticas& e = CargarEstadisticas();
    LlenarEncuesta(sala_.publico(), e, nivel_, qtn_->Correcta());
    e.show();
    e.raise();
}

void Tablero::SaltaPregunta()
{
    timer().Detiene();
    timer().Reinicia();
    MuestraPregunta();
}

void Tablero::QuitaDos()
{
    const auto quitadas = Comodines::QuitaDos(qtn_->Correcta(), AzarEntero(Azar::global(), 4));
    for (qint16 k : quitadas)
        if (k >= 0)
            el_->Resp1[size_t(k)]->hide();
    sala_.Quitadas(quitadas);
}
