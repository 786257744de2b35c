#include "CerrojoBase.h"

#include <QLockFile>

CerrojoBase::CerrojoBase(const QString& rutaBase) : cerrojo_(std::make_unique<QLockFile>(Ruta(rutaBase)))
{
    // Only a dead holder makes the lock stale, never its age (30 s by default).
    cerrojo_->setStaleLockTime(0);
}

CerrojoBase::~CerrojoBase() = default;

QString CerrojoBase::Ruta(const QString& rutaBase) { return rutaBase + QStringLiteral(".lock"); }

QString CerrojoBase::NombreEditor() { return QStringLiteral("orvalia-editor"); }

CerrojoBase::Estado CerrojoBase::tomar()
{
    if (estado_ == Tomado)
        return estado_;
    programa_.clear();
    if (cerrojo_->tryLock(0)) {
        estado_ = Tomado;
    } else if (cerrojo_->error() == QLockFile::LockFailedError) {
        estado_ = EnUso;
        qint64 pid = 0;
        QString maquina;
        cerrojo_->getLockInfo(&pid, &maquina, &programa_);
    } else {
        estado_ = SinCerrojo;
    }
    return estado_;
}
