#include "ReproductorQt.h"

#include "CabeceraMp3.h"
#include "HiloSonido.h"
#include "Motor.h"

#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <cmath>

// The player's half in the media thread: it holds the motor, runs the
// player's commands on it and turns the motor's news into signals, which
// reach the player queued. Without a back-end every piece fails at once.
class EnlaceMotor : public QObject, public AvisosMotor {
    Q_OBJECT
public:
    std::atomic<quint64> vigente{0};  // the newest piece, read by the motor
    Motor* motor = nullptr;

    void sonando(bool si) override { emit haySonido(si); }
    void empieza(quint64 jugada) override { emit empezo(jugada); }
    void termina(quint64 pieza) override { emit termino(pieza); }
    void falla(quint64 pieza) override { emit fallo(pieza); }

    // Runs f on the motor in the media thread; with no back-end the piece fails.
    void Orden(quint64 pieza, std::function<void(Motor&)> f)
    {
        HiloSonido::Ejecutar([this, pieza, f = std::move(f)] {
            if (motor)
                f(*motor);
            else if (pieza)
                emit fallo(pieza);
        });
    }

signals:
    void haySonido(bool si);
    void empezo(quint64 jugada);
    void termino(quint64 pieza);
    void fallo(quint64 pieza);
};

ReproductorQt::ReproductorQt(QObject* parent) : Reproductor(parent), enlace_(new EnlaceMotor)
{
    enlace_->moveToThread(HiloSonido::Hilo());
    connect(enlace_, &EnlaceMotor::haySonido, this, [this](bool si) { sonando_ = si; });
    connect(enlace_, &EnlaceMotor::empezo, this, &ReproductorQt::alEmpezar);
    connect(enlace_, &EnlaceMotor::termino, this, &ReproductorQt::alTerminar);
    connect(enlace_, &EnlaceMotor::fallo, this, &ReproductorQt::alFallar);
    HiloSonido::Ejecutar([e = enlace_] {
        if (const FabricaMotor crear = HiloSonido::Fabrica())
            e->motor = crear(&e->vigente, e);
    });
}

ReproductorQt::~ReproductorQt()
{
    // Quietly: no notifications while the board is going away. The motor
    // stops its piece and goes in its own thread, after its last commands.
    enlace_->disconnect(this);
    HiloSonido::Ejecutar([e = enlace_] {
        delete e->motor;
        delete e;
    });
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
    const quint64 pieza = ++pieza_;
    enlace_->vigente.store(pieza);
    archivo_ = ruta;
    pedido_ = false;
    finAvisado_ = false;
    const QFileInfo info(ruta);
    // A missing or plainly broken file never reaches the back-end: GStreamer
    // stalls a second on the next command after a file it could not load.
    valido_ = info.isFile() && PareceMp3(ruta);
    const QUrl fuente = valido_ ? QUrl::fromLocalFile(info.absoluteFilePath()) : QUrl();
    // An empty source only drops the old piece: no failure to report for it.
    enlace_->Orden(valido_ ? pieza : 0, [pieza, fuente](Motor& m) { m.Fuente(pieza, fuente); });
    if (autoInicio_)
        reproducir();
}

void ReproductorQt::setAutoInicio(bool si) { autoInicio_ = si; }

void ReproductorQt::setVolumen(int centesimasDb)
{
    volumen_ = aLineal(centesimasDb);
    enlace_->Orden(0, [v = volumen_](Motor& m) { m.Volumen(v); });
}

void ReproductorQt::reproducir()
{
    if (archivo_.isEmpty())
        return;
    pedido_ = true;
    finAvisado_ = false;
    inicioAvisado_ = false;
    const quint64 jugada = ++jugada_;
    if (!valido_) {
        terminaLuego();
        return;
    }
    enlace_->Orden(pieza_, [p = pieza_, jugada](Motor& m) { m.Tocar(p, jugada); });
}

void ReproductorQt::detener()
{
    pedido_ = false;
    enlace_->Orden(0, [p = pieza_](Motor& m) { m.Parar(p); });
}

void ReproductorQt::setPosicion(double segundos)
{
    if (!valido_)
        return;
    const qint64 ms = qint64(std::max(0.0, segundos) * 1000.0);
    enlace_->Orden(0, [p = pieza_, ms](Motor& m) { m.Posicion(p, ms); });
}

void ReproductorQt::alEmpezar(quint64 jugada)
{
    if (jugada != jugada_ || inicioAvisado_ || !pedido_)
        return;
    inicioAvisado_ = true;
    emit empiezaPieza();
}

void ReproductorQt::alTerminar(quint64 pieza)
{
    if (pieza == pieza_ && pedido_)
        avisaFin();
}

void ReproductorQt::alFallar(quint64 pieza)
{
    if (pieza != pieza_ || !valido_)
        return;
    valido_ = false;
    if (pedido_)
        avisaFin();
}

void ReproductorQt::terminaLuego()
{
    const quint64 jugada = jugada_;
    QTimer::singleShot(0, this, [this, jugada] {
        if (jugada == jugada_ && pedido_)
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

#include "ReproductorQt.moc"
