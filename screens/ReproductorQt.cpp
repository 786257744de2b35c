#include "ReproductorQt.h"

#include "CabeceraMp3.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <cmath>

ReproductorQt::ReproductorQt(QObject* parent)
    : Reproductor(parent), player_(new QMediaPlayer(this)), salida_(new QAudioOutput(this))
{
    player_->setAudioOutput(salida_);
    connect(player_, &QMediaPlayer::playbackStateChanged, this, &ReproductorQt::alCambiarEstado);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, &ReproductorQt::alCambiarMedio);
    connect(player_, &QMediaPlayer::errorOccurred, this, [this] { alFallar(); });
    esperaCarga_.setSingleShot(true);
    esperaCarga_.setInterval(3000);
    connect(&esperaCarga_, &QTimer::timeout, this, [this] { sueltaOrdenes(true); });
}

ReproductorQt::~ReproductorQt()
{
    // Quietly: no notifications while the board is going away.
    player_->disconnect(this);
    if (!cargando())
        player_->stop();
}

bool ReproductorQt::cargando() const { return player_->mediaStatus() == QMediaPlayer::LoadingMedia; }

void ReproductorQt::orden(std::function<void()> f)
{
    ordenes_.push_back(std::move(f));
    sueltaOrdenes(false);
}

// Runs the held commands while no file is loading. A command that starts a
// load leaves the rest for when that load is over; the wait runs out after a
// few seconds, so a load that never ends cannot hold the player forever.
void ReproductorQt::sueltaOrdenes(bool forzar)
{
    while (!ordenes_.empty() && (forzar || !cargando())) {
        forzar = false;
        auto f = std::move(ordenes_.front());
        ordenes_.erase(ordenes_.begin());
        f();
        if (cargando())
            esperaCarga_.start();
    }
    if (ordenes_.empty())
        esperaCarga_.stop();
    else if (!esperaCarga_.isActive())
        esperaCarga_.start();
}

float ReproductorQt::aLineal(int centesimasDb)
{
    if (centesimasDb <= -10000)
        return 0.0f;
    if (centesimasDb >= 0)
        return 1.0f;
    return float(std::pow(10.0, centesimasDb / 2000.0));
}

void ReproductorQt::setArchivo(const QString& ruta)
{
    ++pieza_;
    archivo_ = ruta;
    pedido_ = false;
    finAvisado_ = false;
    // The older piece's held commands go with it.
    ordenes_.clear();
    const QFileInfo info(ruta);
    // A missing or plainly broken file never reaches the back-end: GStreamer
    // stalls a second on the next command after a file it could not load.
    valido_ = info.isFile() && PareceMp3(ruta);
    const QUrl fuente = valido_ ? QUrl::fromLocalFile(info.absoluteFilePath()) : QUrl();
    // Dropping the old piece is no end of it: no notification for it.
    orden([this, fuente] {
        player_->stop();
        player_->setSource(fuente);
    });
    if (autoInicio_)
        reproducir();
}

void ReproductorQt::setAutoInicio(bool si) { autoInicio_ = si; }

void ReproductorQt::setVolumen(int centesimasDb) { salida_->setVolume(aLineal(centesimasDb)); }

float ReproductorQt::volumenLineal() const { return salida_->volume(); }

void ReproductorQt::reproducir()
{
    if (archivo_.isEmpty())
        return;
    pedido_ = true;
    finAvisado_ = false;
    inicioAvisado_ = false;
    if (!valido_) {
        terminaLuego();
        return;
    }
    orden([this] {
        player_->play();
        avisaInicio();
    });
}

void ReproductorQt::detener()
{
    pedido_ = false;
    orden([this] { player_->stop(); });
}

void ReproductorQt::setPosicion(double segundos)
{
    if (valido_) {
        const qint64 ms = qint64(std::max(0.0, segundos) * 1000.0);
        orden([this, ms] { player_->setPosition(ms); });
    }
}

bool ReproductorQt::reproduciendo() const { return player_->playbackState() == QMediaPlayer::PlayingState; }

void ReproductorQt::alCambiarEstado(QMediaPlayer::PlaybackState) { avisaInicio(); }

void ReproductorQt::alCambiarMedio(QMediaPlayer::MediaStatus status)
{
    if (status != QMediaPlayer::LoadingMedia && !ordenes_.empty())
        QTimer::singleShot(0, this, [this] { sueltaOrdenes(false); });
    if (status == QMediaPlayer::EndOfMedia)
        avisaFin();
    else if (status == QMediaPlayer::InvalidMedia)
        alFallar();
    else
        avisaInicio();
}

// The state turns to playing before the file is even read; the start is
// reported only once the file proved playable, so a broken one reports none.
void ReproductorQt::avisaInicio()
{
    if (inicioAvisado_ || !valido_ || player_->playbackState() != QMediaPlayer::PlayingState)
        return;
    const auto st = player_->mediaStatus();
    if (st != QMediaPlayer::BufferedMedia && st != QMediaPlayer::BufferingMedia)
        return;
    inicioAvisado_ = true;
    emit empiezaPieza();
}

void ReproductorQt::alFallar()
{
    if (!valido_)
        return;
    valido_ = false;
    orden([this] { player_->stop(); });
    if (pedido_)
        terminaLuego();
}

void ReproductorQt::terminaLuego()
{
    const quint64 pieza = pieza_;
    QTimer::singleShot(0, this, [this, pieza] {
        if (pieza == pieza_ && pedido_)
            avisaFin();
    });
}

void ReproductorQt::avisaFin()
{
    if (finAvisado_)
        return;
    finAvisado_ = true;
    pedido_ = false;
    emit terminaPieza();
}
