#include "HiloSonido.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QThread>

namespace HiloSonido {

namespace {
QThread* hilo = nullptr;
QObject* ancla = nullptr;  // lives in the thread: what is queued to it runs there, in order
constexpr unsigned long EsperaFinal = 3000;  // ms
}

QThread* Hilo()
{
    if (!hilo) {
        hilo = new QThread;
        hilo->setObjectName(QStringLiteral("sonido"));
        ancla = new QObject;
        ancla->moveToThread(hilo);
        hilo->start();
        qAddPostRoutine(Terminar);
    }
    return hilo;
}

void Ejecutar(std::function<void()> f)
{
    Hilo();
    QMetaObject::invokeMethod(ancla, std::move(f), Qt::QueuedConnection);
}

FabricaMotor Fabrica()
{
    static FabricaMotor fabrica = [] {
        // Left loaded for the rest of the run: motors live until its end.
        auto* biblioteca = new QLibrary(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("OrvaliaSonido")));
        auto f = reinterpret_cast<FabricaMotor>(biblioteca->resolve(NombreFabricaMotor));
        if (!f)
            qWarning("no sound: %s", qPrintable(biblioteca->errorString()));
        return f;
    }();
    return fabrica;
}

void Sincronizar()
{
    if (hilo)
        QMetaObject::invokeMethod(ancla, [] {}, Qt::BlockingQueuedConnection);
}

void Terminar()
{
    if (!hilo)
        return;
    Ejecutar([] {
        delete ancla;
        QThread::currentThread()->quit();
    });
    if (!hilo->wait(EsperaFinal)) {
        qWarning("the sound back-end did not stop; leaving it behind");
        hilo = nullptr;  // a running QThread must not be destroyed
        ancla = nullptr;
        return;
    }
    delete hilo;
    hilo = nullptr;
    ancla = nullptr;
}

}  // namespace HiloSonido
