#include "CerrojoBase.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

CerrojoBase::CerrojoBase(const QString& rutaBase)
    : cerrojo_(std::make_unique<QLockFile>(Ruta(rutaBase))), ruta_(Ruta(rutaBase))
{
    // Only a dead holder makes the lock stale, never its age (30 s by default).
    cerrojo_->setStaleLockTime(0);
}

CerrojoBase::~CerrojoBase() = default;

QString CerrojoBase::Ruta(const QString& rutaBase) { return rutaBase + QStringLiteral(".lock"); }

QString CerrojoBase::NombreEditor() { return QStringLiteral("orvalia-editor"); }

bool CerrojoBase::titularSinComprobar() const
{
    qint64 pid = 0;
    QString maquina, programa;
    if (cerrojo_->getLockInfo(&pid, &maquina, &programa))
        return !maquina.isEmpty() && maquina != QSysInfo::machineHostName();
    // Unreadable: left empty or cut by a power cut, or being written this
    // very moment by a holder that has just made it.
    const QFileInfo info(ruta_);
    return info.isFile() && qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime())) > MargenNuevo;
}

CerrojoBase::Estado CerrojoBase::tomar()
{
    if (estado_ == Tomado)
        return estado_;
    programa_.clear();
    // Anything but a regular file in its place (a folder, a pipe, a link to
    // nothing) can never be a lock, and Qt would read it: a pipe blocks the
    // start for ever.
    const QFileInfo lugar(ruta_);
    if ((lugar.exists() || lugar.isSymLink()) && !lugar.isFile()) {
        estado_ = SinCerrojo;
        return estado_;
    }
    bool tomado = cerrojo_->tryLock(0);
    // Qt finds a lock stale only by the process it names on this machine.
    // One it cannot check that way (unreadable, or another machine's) would
    // hold for ever, and the game would never save again: it is taken over
    // when no one holds the file's own lock, which a running holder keeps
    // from the moment it makes the file (on a network share too).
    if (!tomado && cerrojo_->error() == QLockFile::LockFailedError && titularSinComprobar()
        && cerrojo_->removeStaleLockFile())
        tomado = cerrojo_->tryLock(0);
    if (tomado) {
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
