#include "CerrojoBase.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <cerrno>
#include <csignal>

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
    // What QLockFile writes: pid, program, machine name, machine id, boot id.
    QFile f(ruta_);
    const QList<QByteArray> l = f.open(QIODevice::ReadOnly) ? f.read(4096).split('\n') : QList<QByteArray>();
    bool ok = false;
    const qint64 pid = l.size() >= 3 ? l[0].toLongLong(&ok) : 0;
    if (!ok || pid <= 0) {
        // Unreadable: left empty or cut by a power cut, or being written
        // this very moment by a holder that has just made it.
        const QFileInfo info(ruta_);
        return qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime())) > MargenNuevo;
    }
    // A process of this machine, since its last start, that still runs:
    // Qt has judged it already. The machine is told by its id where the
    // lock holds one (two computers may well share a name), else its name.
    const QByteArray id = l.value(3), arranque = l.value(4);
    const bool estaMaquina = !id.isEmpty() ? id == QSysInfo::machineUniqueId()
                                           : QString::fromUtf8(l[2]) == QSysInfo::machineHostName();
    const bool esteArranque = arranque.isEmpty() || arranque == QSysInfo::bootUniqueId();
    const bool corre = ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
    return !(estaMaquina && esteArranque && corre);
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
    // One it cannot check that way (unreadable, or another machine's, a
    // stick moved after a power cut) would hold for ever, and the game would
    // never save again: it is taken over when no one holds the file's own
    // lock, which a running holder keeps from the moment it makes the file
    // (on a network share too).
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
