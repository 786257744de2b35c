#include "ReproductorQt.h"

#include "CabeceraMp3.h"
#include "HiloSonido.h"
#include "MotorSonido.h"

#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <cmath>

ReproductorQt::ReproductorQt(QObject* parent) : Reproductor(parent), motor_(new MotorSonido(vigente_))
{
    motor_->moveToThread(HiloSonido::Hilo());
    connect(motor_, &MotorSonido::sonando, this, [this](bool si) { sonando_ = si; });
    connect(motor_, &MotorSonido::empieza, this, &ReproductorQt::alEmpezar);
    connect(motor_, &MotorSonido::termina, this, &ReproductorQt::alTerminar);
    connect(motor_, &MotorSonido::falla, this, &ReproductorQt::alFallar);
    QMetaObject::invokeMethod(motor_, &MotorSonido::Iniciar, Qt::QueuedConnection);
}

ReproductorQt::~ReproductorQt()
{
    // Quietly: no notifications while the board is going away. The motor
    // stops its piece and goes in its own thread, after its last commands.
    motor_->disconnect(this);
    HiloSonido::Ejecutar([m = motor_] { delete m; });
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
    vigente_.store(pieza);
    archivo_ = ruta;
    pedido_ = false;
    finAvisado_ = false;
    const QFileInfo info(ruta);
    // A missing or plainly broken file never reaches the back-end: GStreamer
    // stalls a second on the next command after a file it could not load.
    valido_ = info.isFile() && PareceMp3(ruta);
    const QUrl fuente = valido_ ? QUrl::fromLocalFile(info.absoluteFilePath()) : QUrl();
    QMetaObject::invokeMethod(motor_, [m = motor_, pieza, fuente] { m->Fuente(pieza, fuente); },
                              Qt::QueuedConnection);
    if (autoInicio_)
        reproducir();
}

void ReproductorQt::setAutoInicio(bool si) { autoInicio_ = si; }

void ReproductorQt::setVolumen(int centesimasDb)
{
    volumen_ = aLineal(centesimasDb);
    QMetaObject::invokeMethod(motor_, [m = motor_, v = volumen_] { m->Volumen(v); }, Qt::QueuedConnection);
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
    QMetaObject::invokeMethod(motor_, [m = motor_, p = pieza_, jugada] { m->Tocar(p, jugada); },
                              Qt::QueuedConnection);
}

void ReproductorQt::detener()
{
    pedido_ = false;
    QMetaObject::invokeMethod(motor_, [m = motor_, p = pieza_] { m->Parar(p); }, Qt::QueuedConnection);
}

void ReproductorQt::setPosicion(double segundos)
{
    if (!valido_)
        return;
    const qint64 ms = qint64(std::max(0.0, segundos) * 1000.0);
    QMetaObject::invokeMethod(motor_, [m = motor_, p = pieza_, ms] { m->Posicion(p, ms); }, Qt::QueuedConnection);
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
