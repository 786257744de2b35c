#pragma once
// Another program holding a base's lock, standing in for the game or the
// editor: a copy of the running test program under that program's name
// (QLockFile records the holder's file name, which tells the two apart),
// started as "NAME --sostener BASE". The test's main() first hands its
// arguments to SostenerSiSePide, which in that copy takes the lock, says
// "listo" and waits to be killed.
#include "CerrojoBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <memory>
#include <optional>

inline std::optional<int> SostenerSiSePide(int argc, char** argv)
{
    if (argc != 3 || QByteArray(argv[1]) != "--sostener")
        return std::nullopt;
    QCoreApplication app(argc, argv);
    CerrojoBase c(QString::fromLocal8Bit(argv[2]));
    if (c.tomar() != CerrojoBase::Tomado)
        return 1;
    std::puts("listo");
    std::fflush(stdout);
    QThread::sleep(600);
    return 0;
}

// The stand-in called `nombre`, copied into `carpeta`, holding the lock of
// `base`; null when it could not be started or did not take the lock.
inline std::unique_ptr<QProcess> TitularCerrojo(const QString& carpeta, const QString& nombre, const QString& base)
{
    const QString programa = QDir(carpeta).filePath(nombre);
    QFile::remove(programa);
    if (!QFile::copy(QCoreApplication::applicationFilePath(), programa))
        return nullptr;
    QFile::setPermissions(programa, QFile::permissions(programa) | QFile::ExeOwner);
    auto p = std::make_unique<QProcess>();
    p->start(programa, {QStringLiteral("--sostener"), base});
    if (!p->waitForReadyRead(10000) || !p->readAll().startsWith("listo"))
        return nullptr;
    return p;
}
