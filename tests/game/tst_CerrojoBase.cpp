// The base's lock: one copy writes the base, a second plays without saving.
//
// A copy of this program named like the game or the editor stands in for
// them (fakes/TitularCerrojo.h).
#include "fakes/ArchivosDePrueba.h"
#include "ArchivoBase.h"
#include "Archivos.h"
#include "CerrojoBase.h"
#include "Pregunta.h"
#include "fakes/BaseDePrueba.h"
#include "fakes/TitularCerrojo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <sys/stat.h>

namespace {
}

class TstCerrojoBase : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString qdb() const { return dir.filePath(Pregunta::NombreArchivo()); }

    // A copy of this program called `nombre` holding the lock.
    std::unique_ptr<QProcess> sostener(const QString& nombre) { return TitularCerrojo(dir.path(), nombre, qdb()); }

private slots:
    void init() { EscribirBaseDePrueba(dir.path(), 2); }

    // While one bank holds the lock, a second on the same base writes
    // nothing, whatever it does, and says why.
    void segundaCopiaNoGuarda()
    {
        Azar azar;
        auto primera = Pregunta::Crear(dir.path(), azar);
        QVERIFY(primera);
        QVERIFY(primera->Guarda());
        QVERIFY(primera->AvisoSinGuardar().isEmpty());
        const QByteArray antes = leerTodo(qdb());
        {
            auto segunda = Pregunta::Crear(dir.path(), azar);
            QVERIFY(segunda);
            QVERIFY(!segunda->Guarda());
            QCOMPARE(segunda->AvisoSinGuardar(),
                     QStringLiteral("Orvalia ya está abierto: esta copia no guardará el recuento de preguntas."));
            segunda->PreguntaNueva(1);
            segunda->SePreguntó();
            segunda->Reiniciar();
            segunda->InicializarBase();
            QCOMPARE(leerTodo(qdb()), antes);
        }
        QCOMPARE(leerTodo(qdb()), antes);
        // The first still writes, and once it is gone the lock is free.
        primera->PreguntaNueva(2);
        primera->SePreguntó();
        primera.reset();
        QVERIFY(leerTodo(qdb()) != antes);
        QVERIFY(!QFile::exists(CerrojoBase::Ruta(qdb())));
        auto tercera = Pregunta::Crear(dir.path(), azar);
        QVERIFY(tercera->Guarda());
    }

    // Another program holds the lock: the game while it runs, or the
    // question editor, told apart by the holder's program name. Old as the
    // lock may be, it holds while its program runs; once that program is
    // killed the lock it left is stale and the next start takes it.
    void otroProgramaLoTiene_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("el juego") << "Orvalia"
                                  << "Orvalia ya está abierto: esta copia no guardará el recuento de preguntas.";
        QTest::newRow("el editor")
            << "orvalia-editor"
            << "El editor de preguntas está abierto: el juego no guardará el recuento de preguntas.";
    }

    void otroProgramaLoTiene()
    {
        QFETCH(QString, programa);
        QFETCH(QString, aviso);
        auto titular = sostener(programa);
        QVERIFY(titular);
        // A day-old lock still holds while its program runs. (On a local
        // disk Qt's own file lock already keeps it; where there is none, the
        // stale time of 0 does.)
        QFile cerrojo(CerrojoBase::Ruta(qdb()));
        QVERIFY(cerrojo.open(QIODevice::ReadWrite));
        QVERIFY(cerrojo.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
        cerrojo.close();

        Azar azar;
        const QByteArray antes = leerTodo(qdb());
        {
            auto q = Pregunta::Crear(dir.path(), azar);
            QVERIFY(q);
            QVERIFY(!q->Guarda());
            QCOMPARE(q->AvisoSinGuardar(), aviso);
            q->PreguntaNueva(1);
            q->SePreguntó();
        }
        QCOMPARE(leerTodo(qdb()), antes);

        titular->kill();
        QVERIFY(titular->waitForFinished(10000));
        QVERIFY(QFile::exists(CerrojoBase::Ruta(qdb())));
        auto q = Pregunta::Crear(dir.path(), azar);
        QVERIFY(q);
        QVERIFY(q->Guarda());
        QVERIFY(q->AvisoSinGuardar().isEmpty());
    }

    // A lock file whose holder Qt cannot check by its process (left empty
    // or cut by a power cut, or written on another machine) is taken over
    // once no running program holds the file's own lock; otherwise the game
    // would never save again. One that is just being made, or that a live
    // holder keeps, still holds. Something else in its place is no lock.
    void cerrojoSinTitularComprobable_data()
    {
        QTest::addColumn<QString>("tipo");       // "archivo", "carpeta", "tubería"
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<int>("haceSegundos");
        QTest::addColumn<bool>("vivo");          // a live holder keeps it
        QTest::addColumn<int>("estado");
        const QByteArray otraMaquina("999999\nOrvalia\notra-maquina\n");
        QTest::newRow("vacío, de un corte de luz") << "archivo" << QByteArray() << 3600 << false << int(CerrojoBase::Tomado);
        QTest::newRow("basura") << "archivo" << QByteArray("\x01\x02zz") << 3600 << false << int(CerrojoBase::Tomado);
        QTest::newRow("otra máquina, muerto") << "archivo" << otraMaquina << 3600 << false << int(CerrojoBase::Tomado);
        // Two computers may share a name ("debian"): the machine's id tells.
        const QByteArray mismoNombre =
            "999999\nOrvalia\n" + QSysInfo::machineHostName().toUtf8() + "\nid-de-otra-maquina\n\n";
        QTest::newRow("mismo nombre, otra máquina") << "archivo" << mismoNombre << 3600 << false << int(CerrojoBase::Tomado);
        QTest::newRow("mismo nombre, otra máquina, vivo") << "archivo" << mismoNombre << 3600 << true << int(CerrojoBase::EnUso);
        QTest::newRow("fecha futura") << "archivo" << QByteArray() << -3600 << false << int(CerrojoBase::Tomado);
        QTest::newRow("vacío, recién hecho") << "archivo" << QByteArray() << 0 << false << int(CerrojoBase::EnUso);
        QTest::newRow("otra máquina, vivo") << "archivo" << otraMaquina << 3600 << true << int(CerrojoBase::EnUso);
        QTest::newRow("vacío, vivo") << "archivo" << QByteArray() << 3600 << true << int(CerrojoBase::EnUso);
        QTest::newRow("una carpeta") << "carpeta" << QByteArray() << 3600 << false << int(CerrojoBase::SinCerrojo);
        QTest::newRow("una tubería") << "tubería" << QByteArray() << 3600 << false << int(CerrojoBase::SinCerrojo);
    }

    void cerrojoSinTitularComprobable()
    {
        QFETCH(QString, tipo);
        QFETCH(QByteArray, contenido);
        QFETCH(int, haceSegundos);
        QFETCH(bool, vivo);
        QFETCH(int, estado);
        const QString ruta = CerrojoBase::Ruta(qdb());
        QLockFile titular(ruta);
        if (tipo == QLatin1String("carpeta")) {
            QVERIFY(QDir().mkdir(ruta));
        } else if (tipo == QStringLiteral("tubería")) {
            QCOMPARE(mkfifo(QFile::encodeName(ruta).constData(), 0600), 0);
        } else {
            if (vivo)
                QVERIFY(titular.tryLock(0));
            QFile f(ruta);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(contenido);
            QVERIFY(f.flush());
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-haceSegundos),
                                  QFileDevice::FileModificationTime));
        }
        {
            CerrojoBase c(qdb());
            QCOMPARE(int(c.tomar()), estado);
            if (estado == CerrojoBase::Tomado) {
                qint64 pid = 0;
                QString maquina, programa;
                QLockFile visto(ruta);
                QVERIFY(visto.getLockInfo(&pid, &maquina, &programa));
                QCOMPARE(pid, QCoreApplication::applicationPid());
            }
        }
        if (vivo)
            titular.unlock();
        if (tipo == QLatin1String("carpeta"))
            QVERIFY(QDir().rmdir(ruta));
        else
            QFile::remove(ruta);
    }

    // Leftovers of a save are only cleared by the holder: beside a running
    // copy, the same name may be its save in progress.
    void soloElTitularBorraRestos()
    {
        const QString resto = NombreDeGuardado(qdb()) + QStringLiteral("AbCdEf");
        QFile f(resto);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        CerrojoBase otro(qdb());
        QCOMPARE(otro.tomar(), CerrojoBase::Tomado);
        Azar azar;
        auto q = Pregunta::Crear(dir.path(), azar);
        QVERIFY(q && !q->Guarda());
        QVERIFY(QFile::exists(resto));
        QFile::remove(resto);
    }

    // A main file the backup stood in for is only put aside by a copy that
    // may write: a second copy touches no file.
    void segundaCopiaNoApartaNada()
    {
        QFile basura(qdb());
        QVERIFY(basura.open(QIODevice::WriteOnly));
        basura.write("basura");
        basura.close();
        ArchivoBase::escribir(dir.filePath(Pregunta::NombreRespaldo()), TablaDePrueba(1));
        CerrojoBase otro(qdb());
        QCOMPARE(otro.tomar(), CerrojoBase::Tomado);
        Azar azar;
        {
            auto q = Pregunta::Crear(dir.path(), azar);
            QVERIFY(q && q->RespaldoUsado() && !q->Guarda());
        }
        QCOMPARE(leerTodo(qdb()), QByteArray("basura"));
        QVERIFY(!QFile::exists(Pregunta::RutaIlegible(qdb())));
    }
};

int main(int argc, char** argv)
{
    if (const auto r = SostenerSiSePide(argc, argv))
        return *r;
    QCoreApplication app(argc, argv);
    TstCerrojoBase t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_CerrojoBase.moc"
