#include "MotorSonido.h"

#include <QAudioOutput>
#include <QTimer>

extern "C" Q_DECL_EXPORT Motor* orvalia_crear_motor(const std::atomic<quint64>* vigente, AvisosMotor* avisos)
{
    return new MotorSonido(*vigente, *avisos);
}

MotorSonido::MotorSonido(const std::atomic<quint64>& vigente, AvisosMotor& avisos)
    : vigente_(vigente), avisos_(avisos), esperaCarga_(new QTimer(this)), player_(new QMediaPlayer(this)),
      salida_(new QAudioOutput(this))
{
    player_->setAudioOutput(salida_);
    connect(player_, &QMediaPlayer::playbackStateChanged, this, &MotorSonido::alCambiarEstado);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, &MotorSonido::alCambiarMedio);
    connect(player_, &QMediaPlayer::errorOccurred, this, [this] { alFallar(); });
    esperaCarga_->setSingleShot(true);
    esperaCarga_->setInterval(3000);
    connect(esperaCarga_, &QTimer::timeout, this, [this] { sueltaOrdenes(true); });
}

MotorSonido::~MotorSonido()
{
    // Quietly: no notifications while the player goes away.
    player_->disconnect(this);
    if (!cargando())
        player_->stop();
}

bool MotorSonido::cargando() const { return player_->mediaStatus() == QMediaPlayer::LoadingMedia; }

void MotorSonido::orden(std::function<void()> f)
{
    ordenes_.push_back(std::move(f));
    sueltaOrdenes(false);
}

// Runs the held commands while no file is loading. A command that starts a
// load leaves the rest for when that load is over; the wait runs out after a
// few seconds, so a load that never ends cannot hold the player forever.
void MotorSonido::sueltaOrdenes(bool forzar)
{
    while (!ordenes_.empty() && (forzar || !cargando())) {
        forzar = false;
        auto f = std::move(ordenes_.front());
        ordenes_.erase(ordenes_.begin());
        f();
        estado();
        if (cargando())
            esperaCarga_->start();
    }
    if (ordenes_.empty())
        esperaCarga_->stop();
    else if (!esperaCarga_->isActive())
        esperaCarga_->start();
}

void MotorSonido::Fuente(quint64 pieza, const QUrl& url)
{
    if (vieja(pieza))
        return;  // a newer file is on its way
    pieza_ = pieza;
    valido_ = !url.isEmpty();
    // The older piece's held commands go with it.
    ordenes_.clear();
    orden([this, url] {
        player_->stop();
        player_->setSource(url);
    });
}

void MotorSonido::Tocar(quint64 pieza, quint64 jugada)
{
    if (vieja(pieza) || !valido_)
        return;
    jugada_ = jugada;
    orden([this] {
        if (!valido_)
            return;  // it failed while the command was held
        player_->play();
        avisaInicio();
    });
}

void MotorSonido::Parar(quint64 pieza)
{
    if (!vieja(pieza))
        orden([this] { player_->stop(); });
}

void MotorSonido::Posicion(quint64 pieza, qint64 ms)
{
    if (!vieja(pieza) && valido_)
        orden([this, ms] { player_->setPosition(ms); });
}

void MotorSonido::Volumen(float lineal) { salida_->setVolume(lineal); }

// The play state as the back-end has it now, passed on when it changed. Read
// after every command and notification: the back-end does not always say
// when a failed piece stops.
void MotorSonido::estado()
{
    const bool si = player_->playbackState() == QMediaPlayer::PlayingState;
    if (si != sonando_) {
        sonando_ = si;
        avisos_.sonando(si);
    }
}

void MotorSonido::alCambiarEstado(QMediaPlayer::PlaybackState)
{
    estado();
    avisaInicio();
}

void MotorSonido::alCambiarMedio(QMediaPlayer::MediaStatus status)
{
    if (status != QMediaPlayer::LoadingMedia && !ordenes_.empty())
        QTimer::singleShot(0, this, [this] { sueltaOrdenes(false); });
    estado();
    if (status == QMediaPlayer::EndOfMedia) {
        avisos_.termina(pieza_);
    } else if (status == QMediaPlayer::InvalidMedia) {
        alFallar();
    } else {
        avisaInicio();
    }
}

// The state turns to playing before the file is even read; the start is
// reported only once the file proved playable, so a broken one reports none.
void MotorSonido::avisaInicio()
{
    if (jugadaAvisada_ == jugada_ || !valido_ || player_->playbackState() != QMediaPlayer::PlayingState)
        return;
    const auto st = player_->mediaStatus();
    if (st != QMediaPlayer::BufferedMedia && st != QMediaPlayer::BufferingMedia)
        return;
    jugadaAvisada_ = jugada_;
    avisos_.empieza(jugada_);
}

void MotorSonido::alFallar()
{
    if (!valido_)
        return;
    valido_ = false;
    orden([this] { player_->stop(); });
    estado();
    avisos_.falla(pieza_);
}
