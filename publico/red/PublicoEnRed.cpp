#include "PublicoEnRed.h"
#include "CrearPublico.h"
#include "Sala.h"
#include "Servidor.h"
#include <QThread>

PublicoEnRed::PublicoEnRed(QObject* parent) : PublicoEnRed(OpcionesSala::delEntorno(), parent) {}

PublicoEnRed::PublicoEnRed(const OpcionesSala& opciones, QObject* parent) : Publico(parent), op_(opciones) {}

PublicoEnRed::~PublicoEnRed() { detener(); }

template <typename F> void PublicoEnRed::enElHilo(F&& f) {
    if (!servidor_)
        return;
    QMetaObject::invokeMethod(servidor_, std::forward<F>(f), Qt::QueuedConnection);
}

void PublicoEnRed::detener() {
    if (!hilo_)
        return;
    Servidor* s = servidor_;
    servidor_ = nullptr;
    QMetaObject::invokeMethod(s, [s] {
        delete s;
        QThread::currentThread()->quit();
    }, Qt::QueuedConnection);
    // Closing the game never hangs on the network: after three seconds the
    // thread is left to the end of the process.
    if (!hilo_->wait(3000))
        (void)hilo_.release();
    hilo_.reset();
}

void PublicoEnRed::setEncendido(bool si) {
    if (si == encendido_)
        return;
    encendido_ = si;
    if (!si) {
        enElHilo([s = servidor_] { s->apagar(); });
        estado_ = {};
        emit estadoCambia();
        return;
    }
    if (!hilo_) {
        hilo_ = std::make_unique<QThread>();
        hilo_->setObjectName(QStringLiteral("Público"));
        servidor_ = new Servidor(op_);
        servidor_->moveToThread(hilo_.get());
        connect(servidor_, &Servidor::estado, this, [this](const EstadoSala& e) {
            if (!encendido_)
                return;
            estado_ = e;
            emit estadoCambia();
        });
        connect(servidor_, &Servidor::conectados, this, [this](int n) {
            if (!encendido_ || n == estado_.conectados)
                return;
            estado_.conectados = n;
            emit estadoCambia();
        });
        connect(servidor_, &Servidor::mejores, this, [this](const QList<PuestoEnSala>& l) {
            if (!encendido_)
                return;
            estado_.mejores = l;
            emit estadoCambia();
        });
        connect(servidor_, &Servidor::votosCambian, this, [this](int v, int de) {
            if (encendido_)
                emit votosCambian(v, de);
        });
        connect(servidor_, &Servidor::encuestaCerrada, this, [this](const std::array<int, 4>& v) {
            if (encendido_)
                emit encuestaCerrada(v);
        });
        hilo_->start();
    }
    const bool juega = juega_;
    enElHilo([s = servidor_, juega] {
        s->encender();
        if (s->sala())
            s->sala()->setJuega(juega);
    });
}

void PublicoEnRed::setJuegaElPublico(bool si) {
    juega_ = si;
    enElHilo([s = servidor_, si] {
        if (s->sala())
            s->sala()->setJuega(si);
    });
}

void PublicoEnRed::preguntaAbierta(const PreguntaEnSala& p) {
    if (encendido_)
        enElHilo([s = servidor_, p] { if (s->sala()) s->sala()->abrirPregunta(p); });
}

void PublicoEnRed::respuestasQuitadas(const std::array<bool, 4>& q) {
    if (encendido_)
        enElHilo([s = servidor_, q] { if (s->sala()) s->sala()->quitar(q); });
}

void PublicoEnRed::preguntaJuzgada(int correcta, int elegida, Juicio j) {
    if (encendido_)
        enElHilo([s = servidor_, correcta, elegida, j] { if (s->sala()) s->sala()->juzgar(correcta, elegida, j); });
}

void PublicoEnRed::juegoTerminado() {
    if (encendido_)
        enElHilo([s = servidor_] { if (s->sala()) s->sala()->terminarJuego(); });
}

void PublicoEnRed::partidaTerminada(const QList<PuestoEnSala>& posiciones) {
    if (encendido_)
        enElHilo([s = servidor_, posiciones] { if (s->sala()) s->sala()->terminarPartida(posiciones); });
}

bool PublicoEnRed::abrirEncuesta() {
    // Answered from the copy here; should the last phone have gone in the
    // meantime, the room closes the poll at once with no votes, and the board
    // shows the poll it always has.
    if (!encendido_ || !estado_.escuchando || estado_.conectados == 0)
        return false;
    enElHilo([s = servidor_] {
        if (s->sala() && !s->sala()->abrirEncuesta())
            emit s->encuestaCerrada({});
    });
    return true;
}

void PublicoEnRed::cerrarEncuesta() {
    if (encendido_)
        enElHilo([s = servidor_] { if (s->sala()) s->sala()->cerrarEncuesta(); });
}

std::unique_ptr<Publico> CrearPublicoEnRed() { return std::make_unique<PublicoEnRed>(); }
