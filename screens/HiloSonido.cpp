#include "HiloSonido.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QThread>

namespace HiloSonido {

namespace {
QThread* hilo = nullptr;
QObject* ancla = nullptr;  // lives in the thread: what is queued to it runs there, in order
FabricaMotor sustituta = nullptr;  // read and written in the thread only
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

void FijarFabrica(FabricaMotor f)
{
    Ejecutar([f] { sustituta = f; });
}

FabricaMotor Fabrica()
{
    if (sustituta)
        return sustituta;
    static const FabricaMotor fabrica = [] {
        // Beside the program (build tree, portable install), else where a
        // package lays the program's libraries. Left loaded for the rest of
        // the run: motors live until its end.
        const QDir programa(QCoreApplication::applicationDirPath());
        QString error;
        for (const QString& carpeta : {programa.path(), programa.filePath(QStringLiteral("../lib/games/orvalia"))}) {
            auto* biblioteca = new QLibrary(QDir(carpeta).filePath(QStringLiteral("OrvaliaSonido")));
            if (auto f = reinterpret_cast<FabricaMotor>(biblioteca->resolve(NombreFabricaMotor)))
                return f;
            error = biblioteca->errorString();
            delete biblioteca;
        }
        qWarning("no sound: %s", qPrintable(error));
        return FabricaMotor(nullptr);
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
